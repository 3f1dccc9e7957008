// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagelines.h"

#include "core/text/caretcolumn.h"
#include "core/text/longlinebreaks.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int joinedProperty = QTextFormat::UserProperty + 0x5b0;
constexpr int breakProperty = QTextFormat::UserProperty + 0x5b1;
// Changes over more blocks than this (a piece of a page going in, a paste)
// recount the line ends inside blocks when next asked, not at once.
constexpr int countedAtOnce = 64;

int breakOf(const QTextBlock &block)
{
    return block.blockFormat().property(breakProperty).toInt();
}

int countInnerEnds(QStringView text)
{
    return int(text.count(QChar::LineSeparator));
}

// What is counted once for a block and kept with it: the document drops it
// with the block.
struct BlockCounts : QTextBlockUserData {
    // Line ends inside the block, -1 when not known.
    int innerEnds = -1;
    // The block's columns as a piece of a long line, with the space or tab
    // its end stands for, as they were at the block's revision and length.
    int revision = -1;
    int length = -1;
    qsizetype columns = -1;
};

BlockCounts *countsOf(QTextBlock block)
{
    auto *counts = static_cast<BlockCounts *>(block.userData());
    if (!counts) {
        counts = new BlockCounts;
        block.setUserData(counts);
    }
    return counts;
}

} // namespace

PageLines::PageLines(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    setObjectName(QStringLiteral("pageLines"));
    connect(document, &QTextDocument::contentsChange, this, &PageLines::followEdit);
    connect(document, &QTextDocument::blockCountChanged, this, [this] { m_indexed = false; });
}

PageLines *PageLines::of(const QTextDocument *document)
{
    return document ? document->findChild<PageLines *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

PageLines *PageLines::attach(QTextDocument *document)
{
    if (PageLines *lines = of(document))
        return lines;
    return new PageLines(document);
}

void PageLines::detach(QTextDocument *document)
{
    delete of(document);
}

QList<QChar> PageLines::cut(QString &text, const QList<qsizetype> &breaks, qsizetype offset)
{
    QList<QChar> joined;
    joined.reserve(breaks.size());
    for (qsizetype at : breaks) {
        joined.append(text[at - offset]);
        text[at - offset] = QChar::ParagraphSeparator;
    }
    return joined;
}

void PageLines::mark(const QList<qsizetype> &breaks, const QList<QChar> &joined, qsizetype offset)
{
    for (qsizetype i = 0; i < breaks.size(); ++i)
        mark(int(offset + breaks[i]), joined[i]);
}

void PageLines::mark(int position, QChar joined)
{
    const QTextBlock block = m_document->findBlock(position + 1);
    if (!block.isValid() || block.position() != position + 1)
        return;
    QTextBlockFormat format = block.blockFormat();
    format.setProperty(joinedProperty, int(joined.unicode()));
    format.setProperty(breakProperty, ++m_lastBreak);
    QTextCursor(block).setBlockFormat(format);
    m_indexed = false;
}

// The block at the cursor starts a line again.
void PageLines::unmark(QTextCursor &cursor)
{
    QTextBlockFormat format = cursor.blockFormat();
    format.clearProperty(joinedProperty);
    format.clearProperty(breakProperty);
    cursor.setBlockFormat(format);
}

void PageLines::insertText(QTextCursor &cursor, QString text)
{
    // Line ends as the editor takes them, so that positions in text are the
    // document's.
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    const QList<qsizetype> breaks = longLineBreaks(text);
    const QList<QChar> joined = cut(text, breaks);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int from = cursor.position();
    cursor.insertText(text);
    if (!breaks.isEmpty()) {
        QTextDocument *document = cursor.document();
        PageLines *lines = attach(document);
        // The new blocks took the format of the block they were put in:
        // none of them starts after a soft break until marked so.
        for (QTextBlock block = document->findBlock(from).next(); block.isValid() && block.position() <= cursor.position();
             block = block.next()) {
            if (joinOf(block).isNull())
                continue;
            QTextCursor inherited(block);
            unmark(inherited);
        }
        lines->mark(breaks, joined, from);
    }
    cursor.endEditBlock();
}

QChar PageLines::joinOf(const QTextBlock &block)
{
    const QVariant joined = block.blockFormat().property(joinedProperty);
    return joined.isValid() ? QChar(char16_t(joined.toInt())) : QChar();
}

// Runs after every change, undo and redo included: only a fresh split can
// leave two neighbours carrying one break, so replaying history mends nothing.
void PageLines::followEdit(int position, int, int added)
{
    if (!m_document || m_mending)
        return;
    if (added > 0 && m_lastBreak > 0)
        dropCopiedBreaks(position, added);
    if (!m_groupsLines)
        return;
    const QTextBlock first = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    if (last.blockNumber() - first.blockNumber() > countedAtOnce) {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            if (auto *counts = static_cast<BlockCounts *>(block.userData()))
                counts->innerEnds = -1;
            if (block == last)
                break;
        }
        m_indexed = false;
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const int ends = countInnerEnds(block.text());
        BlockCounts *counts = countsOf(block);
        if (counts->innerEnds != ends)
            m_indexed = false;
        counts->innerEnds = ends;
        if (block == last)
            break;
    }
}

void PageLines::dropCopiedBreaks(int position, int added)
{
    const int end = position + added;
    QList<int> copies;
    QTextBlock block = m_document->findBlock(position);
    int before = breakOf(block.previous());
    for (; block.isValid() && block.position() <= end; block = block.next()) {
        const int own = breakOf(block);
        if (own != 0 && own == before)
            copies.append(block.position());
        before = own;
    }
    if (copies.isEmpty())
        return;
    m_mending = true;
    QTextCursor cursor(m_document);
    cursor.joinPreviousEditBlock();
    for (int start : std::as_const(copies)) {
        cursor.setPosition(start);
        unmark(cursor);
    }
    cursor.endEditBlock();
    m_mending = false;
    m_indexed = false;
}

void PageLines::giveBack(const QTextDocument *document, QString &text, int from)
{
    const PageLines *lines = of(document);
    if (!lines)
        return;
    const int end = from + int(text.size());
    for (QTextBlock block = document->findBlock(from); lines->m_lastBreak > 0 && block.isValid() && block.position() <= end;
         block = block.next()) {
        const int separator = block.position() - 1;
        if (separator < from || separator >= end)
            continue;
        if (const QChar joined = joinOf(block); !joined.isNull())
            text[separator - from] = joined;
    }
    if (lines->m_groupsLines)
        std::replace(text.begin(), text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
}

int PageLines::innerEnds(const QTextBlock &block)
{
    if (!m_groupsLines)
        return 0;
    BlockCounts *counts = countsOf(block);
    if (counts->innerEnds < 0)
        counts->innerEnds = countInnerEnds(block.text());
    return counts->innerEnds;
}

const QList<int> &PageLines::blockLines()
{
    if (!m_indexed) {
        m_blockLines.clear();
        m_blockLines.reserve(m_document->blockCount());
        int line = 0;
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
            if (block != m_document->begin() && (m_lastBreak == 0 || joinOf(block).isNull()))
                ++line;
            m_blockLines.append(line);
            line += innerEnds(block);
        }
        m_indexed = true;
    }
    return m_blockLines;
}

int PageLines::lineAt(const QTextDocument *document, int position)
{
    const QTextBlock block = document->findBlock(position);
    PageLines *lines = of(document);
    if (!lines || !block.isValid())
        return block.blockNumber();
    int line = lines->blockLines().value(block.blockNumber());
    if (lines->m_groupsLines)
        line += countInnerEnds(QStringView(block.text()).first(position - block.position()));
    return line;
}

int PageLines::lineCount(const QTextDocument *document)
{
    PageLines *lines = of(document);
    if (!lines)
        return document->blockCount();
    const QTextBlock last = document->lastBlock();
    return lines->blockLines().value(last.blockNumber()) + lines->innerEnds(last) + 1;
}

// Walking a long line's pieces looks into a piece's text only when it holds
// line ends: each piece is thousands of characters long.
int PageLines::lineStart(const QTextDocument *document, int position)
{
    PageLines *lines = of(document);
    QTextBlock block = document->findBlock(position);
    if (!lines)
        return block.position();
    qsizetype offset = position - block.position();
    while (block.isValid()) {
        if (offset > 0 && lines->innerEnds(block) > 0) {
            const qsizetype end = block.text().lastIndexOf(QChar::LineSeparator, offset - 1);
            if (end >= 0)
                return block.position() + int(end) + 1;
        }
        if (joinOf(block).isNull() || !block.previous().isValid())
            return block.position();
        block = block.previous();
        offset = block.length() - 1;
    }
    return 0;
}

int PageLines::lineEnd(const QTextDocument *document, int position)
{
    PageLines *lines = of(document);
    QTextBlock block = document->findBlock(position);
    if (!lines)
        return block.position() + block.length() - 1;
    qsizetype offset = position - block.position();
    while (true) {
        if (lines->innerEnds(block) > 0) {
            const qsizetype end = block.text().indexOf(QChar::LineSeparator, offset);
            if (end >= 0)
                return block.position() + int(end);
        }
        const QTextBlock next = block.next();
        if (!next.isValid() || joinOf(next).isNull())
            return block.position() + block.length() - 1;
        block = next;
        offset = 0;
    }
}

int PageLines::positionOfLine(const QTextDocument *document, int line)
{
    PageLines *lines = of(document);
    if (!lines)
        return document->findBlockByNumber(std::clamp(line, 0, document->blockCount() - 1)).position();
    line = std::clamp(line, 0, lineCount(document) - 1);
    const QList<int> &starts = lines->blockLines();
    const auto found = std::lower_bound(starts.begin(), starts.end(), line);
    const int number = int(found - starts.begin());
    if (found != starts.end() && *found == line) {
        const QTextBlock block = document->findBlockByNumber(number);
        if (joinOf(block).isNull())
            return block.position();
    }
    // The line starts inside the block before, after one of its line ends.
    const QTextBlock block = document->findBlockByNumber(number - 1);
    const QString text = block.text();
    qsizetype at = -1;
    for (int skip = line - starts.value(number - 1); skip > 0; --skip) {
        at = text.indexOf(QChar::LineSeparator, at + 1);
        if (at < 0)
            return block.position();
    }
    return block.position() + int(at) + 1;
}

qsizetype PageLines::columnsOf(const QTextBlock &piece)
{
    BlockCounts *counts = countsOf(piece);
    if (counts->columns < 0 || counts->revision != piece.revision() || counts->length != piece.length()) {
        counts->columns = caretColumn(piece.text());
        counts->revision = piece.revision();
        counts->length = piece.length();
    }
    return counts->columns;
}

qsizetype PageLines::columnAt(const QTextDocument *document, int position)
{
    const QTextBlock block = document->findBlock(position);
    const QString text = block.text();
    const int start = lineStart(document, position);
    if (start >= block.position())
        return caretColumn(QStringView(text).sliced(start - block.position(), position - start));
    // The pieces of a long line before the position's, each with the space
    // or tab its end stands for.
    qsizetype column = caretColumn(QStringView(text).first(position - block.position()));
    QTextBlock piece = document->findBlock(start);
    if (start > piece.position()) {
        column += caretColumn(QStringView(piece.text()).sliced(start - piece.position()));
        piece = piece.next();
    }
    for (; piece.isValid() && piece != block; piece = piece.next())
        column += columnsOf(piece);
    return column;
}
