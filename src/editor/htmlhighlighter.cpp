// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmlhighlighter.h"

#include "core/color/colorspots.h"
#include "core/html/pagetokenizer.h"
#include "editor/pagelines.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextLayout>

#include <array>

namespace {

// A block's user state: the state the line ends in (low byte), and one more
// than the state it was coloured from (second byte; 0 for not coloured).
// -1, a fresh block's value, is "never read".
constexpr int notRead = -1;

std::uint8_t endOf(int userState)
{
    return std::uint8_t(userState & 0xFF);
}

int colouredFrom(int userState)
{
    return userState < 0 ? 0 : userState >> 8 & 0xFF;
}

int packState(std::uint8_t end, int colouredFrom)
{
    return end | colouredFrom << 8;
}

QTextCharFormat coloured(const char *colour)
{
    QTextCharFormat format;
    format.setForeground(QColor(QLatin1StringView(colour)));
    return format;
}

// Dark enough to read on the default white page, apart enough to tell apart.
const std::array<QTextCharFormat, pageTokenCount> &formats()
{
    static const std::array<QTextCharFormat, pageTokenCount> table{
        coloured("#1a3d9c"), // tag
        coloured("#9a4a00"), // attribute name
        coloured("#117a2f"), // attribute value
        coloured("#7a7a7a"), // comment
        coloured("#6a3d9a"), // declaration
        coloured("#b0177f"), // character reference
        coloured("#1a3d9c"), // selector
        coloured("#9a4a00"), // property
        coloured("#1f6a7a"), // CSS keyword value
        coloured("#0b6e4f"), // number
        coloured("#117a2f"), // string
        coloured("#6a3d9a"), // at-rule
        coloured("#c0301c"), // !important
        coloured("#8a5a00"), // colour
        coloured("#2a5caa"), // function
        coloured("#1a3d9c"), // script keyword
        coloured("#117a2f"), // template literal
        coloured("#a0307a"), // regular expression
    };
    return table;
}

// The colours a coloured block shows swatches of, kept with the block for
// painting them and for clicks on them.
class SwatchData : public QTextBlockUserData
{
public:
    explicit SwatchData(QList<ColourSpot> spots) : spots(std::move(spots)) {}
    QList<ColourSpot> spots;
};

} // namespace

HtmlHighlighter::HtmlHighlighter(SourceEditor *editor)
    : QObject(editor)
    , m_editor(editor)
{
    m_editor->viewport()->installEventFilter(this);
    connect(m_editor, &SourceEditor::painted, this, &HtmlHighlighter::paintSwatches);
    m_reader.setSingleShot(true);
    // A pause between slices lets keystrokes and painting go first.
    m_reader.setInterval(25);
    connect(&m_reader, &QTimer::timeout, this, &HtmlHighlighter::readAhead);
}

void HtmlHighlighter::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        m_reader.start();
    else
        clearColours();
    m_editor->viewport()->update();
}

// Colouring comes before the editor paints, so that the blocks are laid out
// with their colours before the paragraph alignment is applied to them.
bool HtmlHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor->viewport())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint) {
        colourVisibleBlocks();
    } else if (event->type() == QEvent::MouseButtonPress && m_enabled) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton) {
            for (const Swatch &swatch : visibleSwatches()) {
                if (swatch.rect.adjusted(-1, -1, 1, 1).contains(press->position().toPoint())) {
                    emit swatchClicked(swatch.position, swatch.text);
                    return true;
                }
            }
        }
    } else if (event->type() == QEvent::MouseMove && m_enabled) {
        // A pointing hand over a swatch says it can be clicked.
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        const QList<Swatch> swatches = visibleSwatches();
        const bool over = std::any_of(swatches.begin(), swatches.end(),
                                      [at](const Swatch &swatch) { return swatch.rect.adjusted(-1, -1, 1, 1).contains(at); });
        m_editor->viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
    }
    return QObject::eventFilter(watched, event);
}

void HtmlHighlighter::setKind(PageKind kind)
{
    if (kind == m_kind)
        return;
    // Every line's state means something else in another kind: all is read again.
    clearColours();
    m_kind = kind;
    if (m_document) {
        const QSignalBlocker blocker(m_document);
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
            block.setUserState(notRead);
    }
    m_trustedUpTo = 0;
    m_readUpTo = 0;
    m_lastEdited = -1;
    if (m_enabled)
        m_reader.start();
    m_editor->viewport()->update();
}

// The editor's document object is replaced when a page is loaded: a new one
// starts with nothing read.
void HtmlHighlighter::follow(QTextDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    m_trustedUpTo = 0;
    m_readUpTo = 0;
    m_lastEdited = -1;
    m_blockCount = document->blockCount();
    connect(document, &QTextDocument::contentsChange, this, &HtmlHighlighter::contentsChange);
    m_reader.start();
}

// Between keystrokes the states of the lines not yet read are read two
// milliseconds at a time, so that a later jump far down the page finds them.
void HtmlHighlighter::readAhead()
{
    if (!m_enabled || !m_document || m_editor->document() != m_document)
        return;
    QElapsedTimer timer;
    timer.start();
    const int count = m_document->blockCount();
    while (m_trustedUpTo < count - 1 && timer.nsecsElapsed() < 2'000'000)
        startStateOf(m_document->findBlockByNumber(std::min(count - 1, m_trustedUpTo + 200)));
    if (m_trustedUpTo < count - 1)
        m_reader.start();
}

// Only the first and last block of an edit have new text in old blocks;
// blocks in between are new and unread. Their colours are redone when next
// painted, and the states below them are read again up to where they agree.
void HtmlHighlighter::contentsChange(int from, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    if (!m_document)
        return;
    QTextBlock first = m_document->findBlock(from);
    QTextBlock last = m_document->findBlock(from + charsAdded);
    if (!first.isValid())
        first = m_document->lastBlock();
    if (!last.isValid())
        last = m_document->lastBlock();
    for (QTextBlock block : {first, last}) {
        const int state = block.userState();
        if (state >= 0)
            block.setUserState(packState(endOf(state), 0));
    }
    const int edited = first.blockNumber();
    const int delta = m_document->blockCount() - m_blockCount;
    m_blockCount = m_document->blockCount();
    m_trustedUpTo = std::min(m_trustedUpTo, edited);
    if (m_readUpTo > edited)
        m_readUpTo = std::clamp(m_readUpTo + delta, edited, m_blockCount);
    if (m_lastEdited > edited)
        m_lastEdited = std::max(edited, m_lastEdited + delta);
    m_lastEdited = std::max(m_lastEdited, last.blockNumber());
    if (m_enabled)
        m_reader.start();
}

// Block `number`, the first untrusted one, now ends in `end`. Where an
// unedited block below the edits ends as it did before, everything read below
// it is right again.
void HtmlHighlighter::settle(int number, int oldState, std::uint8_t end)
{
    if (number > m_lastEdited && number < m_readUpTo && oldState >= 0 && endOf(oldState) == end) {
        m_trustedUpTo = m_readUpTo;
        m_lastEdited = -1;
        return;
    }
    m_trustedUpTo = number + 1;
    m_readUpTo = std::max(m_readUpTo, m_trustedUpTo);
}

// A long line shown in pieces goes on in the next block: what is open at the
// block's end (a string) is still open there.
bool HtmlHighlighter::lineGoesOn(const QTextBlock &block) const
{
    return m_hasPageLines && !PageLines::joinOf(block.next()).isNull();
}

std::uint8_t HtmlHighlighter::endOfLine(const QTextBlock &block, std::uint8_t start, QList<PageSpan> *spans) const
{
    return tokenizePageLine(m_kind, PageText(m_editor).blockText(block), start, spans, lineGoesOn(block));
}

std::uint8_t HtmlHighlighter::startStateOf(const QTextBlock &block)
{
    const int number = block.blockNumber();
    m_hasPageLines = PageLines::of(m_document) != nullptr;
    while (m_trustedUpTo < number) {
        QTextBlock next = m_document->findBlockByNumber(m_trustedUpTo);
        std::uint8_t start = m_trustedUpTo == 0 ? 0 : endOf(next.previous().userState());
        while (next.isValid() && m_trustedUpTo < number) {
            const int reading = m_trustedUpTo;
            const int oldState = next.userState();
            const std::uint8_t end = endOfLine(next, start, nullptr);
            const int keptColour = colouredFrom(oldState) == start + 1 ? start + 1 : 0;
            next.setUserState(packState(end, keptColour));
            settle(reading, oldState, end);
            if (m_trustedUpTo != reading + 1)
                break;
            start = end;
            next = next.next();
        }
    }
    return number == 0 ? 0 : endOf(block.previous().userState());
}

void HtmlHighlighter::colourVisibleBlocks()
{
    if (!m_enabled)
        return;
    if (m_editor->document() != m_document)
        follow(m_editor->document());
    QTextBlock block = m_editor->firstVisibleBlock();
    if (!block.isValid())
        return;
    std::uint8_t start = startStateOf(block);
    int number = block.blockNumber();
    qreal top = m_editor->blockBoundingGeometry(block).translated(m_editor->contentOffset()).top();
    const qreal bottom = m_editor->viewport()->rect().bottom();
    while (block.isValid() && top <= bottom) {
        const int state = block.userState();
        const bool trusted = number < m_trustedUpTo;
        // An edit takes a block's colours away, so colours from this start
        // state are colours of this text, and its end state is right.
        if (colouredFrom(state) == start + 1) {
            if (!trusted)
                settle(number, state, endOf(state));
            start = endOf(state);
        } else {
            const std::uint8_t end = colourBlock(block, start);
            block.setUserState(packState(end, start + 1));
            if (!trusted)
                settle(number, state, end);
            start = end;
        }
        top += m_editor->blockBoundingGeometry(block).height();
        block = block.next();
        ++number;
    }
}

// Sets the block's colours as extra formats of its layout, which lays it out
// again. The document's signals are held: this is no edit, and nothing that
// follows the text (the modified mark, the unsaved-changes question) may see one.
std::uint8_t HtmlHighlighter::colourBlock(QTextBlock &block, std::uint8_t start)
{
    QList<PageSpan> spans;
    const std::uint8_t end = endOfLine(block, start, &spans);
    QTextLayout *layout = block.layout();
    QList<ColourSpot> spots = spans.isEmpty() ? QList<ColourSpot>() : colourSpots(PageText(m_editor).blockText(block), spans);
    if (spots.isEmpty() && block.userData())
        block.setUserData(nullptr);
    if (spans.isEmpty() && layout->formats().isEmpty())
        return end;
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(spans.size() + spots.size());
    for (const PageSpan &span : std::as_const(spans))
        ranges.append({span.start, span.length, formats()[std::size_t(span.token)]});
    // Room for each swatch after the character before its colour; a colour
    // that starts its block has none and shows no swatch.
    spots.removeIf([](const ColourSpot &spot) { return spot.start == 0; });
    for (const ColourSpot &spot : std::as_const(spots))
        ranges.append({spot.start - 1, 1, swatchRoom()});
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const QTextLayout::FormatRange &a, const QTextLayout::FormatRange &b) { return a.start < b.start; });
    if (!spots.isEmpty())
        block.setUserData(new SwatchData(std::move(spots)));
    else if (block.userData())
        block.setUserData(nullptr);
    const QSignalBlocker blocker(m_document);
    layout->setFormats(ranges);
    // Half the block's length keeps the change inside this block, so that the
    // layout redoes this block alone.
    m_document->markContentsDirty(block.position(), std::max(1, block.length() / 2));
    return end;
}

QTextCharFormat HtmlHighlighter::swatchRoom() const
{
    QTextCharFormat format;
    format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    format.setFontLetterSpacing(swatchSize() + 3);
    return format;
}

int HtmlHighlighter::swatchSize() const
{
    return std::max(6, m_editor->fontMetrics().ascent() * 3 / 4);
}

QList<HtmlHighlighter::Swatch> HtmlHighlighter::visibleSwatches() const
{
    QList<Swatch> swatches;
    if (!m_enabled || m_editor->document() != m_document)
        return swatches;
    const int size = swatchSize();
    const QPointF offset = m_editor->contentOffset();
    const qreal bottom = m_editor->viewport()->rect().bottom();
    for (QTextBlock block = m_editor->firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = m_editor->blockBoundingGeometry(block).translated(offset);
        if (box.top() > bottom)
            break;
        const auto *data = static_cast<const SwatchData *>(block.userData());
        if (!data || !block.isVisible())
            continue;
        const QTextLayout *layout = block.layout();
        const QString text = PageText(m_editor).blockText(block);
        for (const ColourSpot &spot : data->spots) {
            const QTextLine line = layout->lineForTextPosition(spot.start);
            if (!line.isValid())
                continue;
            const qreal x = line.cursorToX(spot.start);
            const qreal y = line.y() + (line.ascent() - size) + line.descent() / 2;
            const QRect rect(qRound(box.left() + x - size - 2), qRound(box.top() + y), size, size);
            swatches.append({rect, block.position() + spot.start, text.mid(spot.start, spot.length), spot.colour});
        }
    }
    return swatches;
}

void HtmlHighlighter::paintSwatches()
{
    const QList<Swatch> swatches = visibleSwatches();
    if (swatches.isEmpty())
        return;
    QPainter painter(m_editor->viewport());
    painter.setPen(QColor(0x55, 0x55, 0x55));
    for (const Swatch &swatch : swatches) {
        // A colour with some transparency shows on a light and a dark half.
        if (swatch.colour.alpha() < 255) {
            painter.fillRect(swatch.rect, Qt::white);
            painter.fillRect(swatch.rect.adjusted(swatch.rect.width() / 2, 0, 0, 0), Qt::black);
        }
        painter.fillRect(swatch.rect, swatch.colour);
        painter.drawRect(swatch.rect.adjusted(0, 0, -1, -1));
    }
}

std::optional<HtmlHighlighter::Swatch> HtmlHighlighter::colourAt(int position)
{
    if (!m_enabled || m_kind == PageKind::Plain)
        return std::nullopt;
    if (m_editor->document() != m_document)
        follow(m_editor->document());
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid())
        return std::nullopt;
    QList<PageSpan> spans;
    const QString text = PageText(m_editor).blockText(block);
    tokenizePageLine(m_kind, text, startStateOf(block), &spans, lineGoesOn(block));
    const int column = position - block.position();
    for (const ColourSpot &spot : colourSpots(text, spans)) {
        if (column >= spot.start && column <= spot.start + spot.length)
            return Swatch{QRect(), block.position() + spot.start, text.mid(spot.start, spot.length), spot.colour};
    }
    return std::nullopt;
}

void HtmlHighlighter::clearColours()
{
    if (!m_document || m_editor->document() != m_document)
        return;
    const QSignalBlocker blocker(m_document);
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const int state = block.userState();
        if (colouredFrom(state) == 0)
            continue;
        block.setUserState(packState(endOf(state), 0));
        block.setUserData(nullptr);
        if (!block.layout()->formats().isEmpty()) {
            block.layout()->clearFormats();
            m_document->markContentsDirty(block.position(), std::max(1, block.length() / 2));
        }
    }
}
