// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefiller.h"

#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include "core/document/memorypolicy.h"
#include "core/text/linegroups.h"

#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// The first piece fills a screen many times over; the later ones each take a
// few tens of milliseconds to go in.
constexpr qsizetype firstPieceSize = 64 * 1024;
constexpr qsizetype pieceSize = 512 * 1024;
constexpr qint64 sliceNs = 25'000'000;

// Line ends for cutting pieces: "\n", and the soft breaks of long lines. The
// search for "\n" stops at the nearest soft break: a page that is one long
// line has no "\n" to find, and looking for one through all of it for every
// piece would take seconds.
qsizetype nextLineEnd(const QString &text, const QList<qsizetype> &breaks, qsizetype from)
{
    const auto soft = std::lower_bound(breaks.begin(), breaks.end(), from);
    const qsizetype until = soft == breaks.end() ? text.size() : *soft;
    const qsizetype end = QStringView(text).first(until).indexOf(u'\n', from);
    return end >= 0 ? end : soft == breaks.end() ? -1 : *soft;
}

qsizetype lastLineEnd(const QString &text, const QList<qsizetype> &breaks, qsizetype before)
{
    if (before < 0)
        return -1;
    const auto after = std::upper_bound(breaks.begin(), breaks.end(), before);
    const qsizetype soft = after == breaks.begin() ? -1 : *(after - 1);
    const qsizetype end = QStringView(text).sliced(soft + 1, before - soft).lastIndexOf(u'\n');
    return end >= 0 ? soft + 1 + end : soft;
}

// Where a piece of about `size` characters from `from` ends: after a line
// end, however far. A piece that ended within a line would have the editor
// lay the whole line out again as the next piece lengthens it; and a page
// that is one long line with nowhere to cut goes in at once, as a small page
// does.
qsizetype pieceEnd(const QString &text, const QList<qsizetype> &breaks, qsizetype from, qsizetype size)
{
    if (text.size() - from <= size)
        return text.size();
    const qsizetype lineEnd = nextLineEnd(text, breaks, from + size - 1);
    return lineEnd < 0 ? text.size() : lineEnd + 1;
}

} // namespace

bool PageFiller::takesPieces(const QString &text, const QList<qsizetype> &softBreaks)
{
    return text.size() >= piecewiseFrom && pieceEnd(text, softBreaks, 0, firstPieceSize) < text.size();
}

PageFiller::PageFiller(SourceEditor *editor, QString &&text, QList<qsizetype> &&softBreaks)
    : QObject(editor)
    , m_editor(editor)
    , m_whole(std::move(text))
    , m_softBreaks(std::move(softBreaks))
    , m_total(m_whole.size())
{
    QTextDocument *document = editor->document();
    m_wasReadOnly = editor->isReadOnly();
    m_undoWasEnabled = document->isUndoRedoEnabled();
    editor->setReadOnly(true);
    document->setUndoRedoEnabled(false);
    // A page that holds U+2028 of its own keeps one line to a block: the
    // editor could not tell its characters from the line ends of a group.
    if (PageLines *lines = PageLines::of(document); lines && !m_whole.contains(QChar::LineSeparator)) {
        lines->setGroupsLines();
        m_groupsLines = true;
    }
    insert(m_whole.first(pieceEnd(m_whole, m_softBreaks, 0, firstPieceSize)));
    QTimer::singleShot(0, this, &PageFiller::fillSome);
}

PageFiller::~PageFiller() = default;

// What follows the first piece is cut into pieces from its end, shortening
// the text each time: the system takes back what was cut off, so the page is
// never held twice. (Shortening from the front would copy what remains.)
void PageFiller::splitRest()
{
    if (m_whole.isEmpty())
        return;
    const qsizetype first = m_done;
    QList<QString> reversed;
    while (m_whole.size() > first) {
        // Each piece starts after a line end (see pieceEnd()), and holds two
        // line ends at least: the editor lays out at once the line a piece of
        // one line added, and the line may be megabytes long.
        const qsizetype last = lastLineEnd(m_whole, m_softBreaks, m_whole.size() - 1);
        const qsizetype beforeLast = last > 0 ? lastLineEnd(m_whole, m_softBreaks, last - 1) : -1;
        const qsizetype cutBefore = std::min(m_whole.size() - pieceSize, beforeLast - 1);
        const qsizetype lineEnd = cutBefore < first ? -1 : lastLineEnd(m_whole, m_softBreaks, cutBefore);
        const qsizetype start = lineEnd + 1 > first && lineEnd + 1 < m_whole.size() ? lineEnd + 1 : first;
        reversed.append(m_whole.sliced(start));
        m_whole.truncate(start);
        if (reversed.size() % 8 == 0)
            m_whole.squeeze();
    }
    m_whole = QString();
    m_pieces.reserve(reversed.size());
    for (auto piece = reversed.rbegin(); piece != reversed.rend(); ++piece)
        m_pieces.append(std::move(*piece));
}

void PageFiller::fillSome()
{
    if (!m_filling)
        return;
    if (!m_editor) {
        abandon();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    splitRest();
    while (!m_pieces.isEmpty() && slice.nsecsElapsed() < sliceNs) {
        insert(m_pieces.takeFirst());
    }
    giveFreedMemoryBack();
    emit progressed(m_done, m_total);
    if (m_pieces.isEmpty())
        complete(true);
    else
        QTimer::singleShot(0, this, &PageFiller::fillSome);
}

void PageFiller::finish()
{
    if (!m_filling)
        return;
    splitRest();
    while (m_editor && !m_pieces.isEmpty())
        insert(m_pieces.takeFirst());
    emit progressed(m_done, m_total);
    complete(true);
}

void PageFiller::abandon()
{
    if (!m_filling)
        return;
    m_pieces.clear();
    m_whole = QString();
    complete(false);
}

// The pieces leave the modified state as they found it: the page is as
// unsaved as whoever filled it says (a restored page is, an opened one not).
void PageFiller::insert(QString piece)
{
    QTextDocument *document = m_editor->document();
    const bool wasModified = document->isModified();
    m_fingerprinter.add(piece);
    const qsizetype start = m_done;
    if (m_groupsLines)
        groupShortLines(piece, !std::binary_search(m_softBreaks.cbegin(), m_softBreaks.cend(), start - 1));
    const auto firstBreak = std::lower_bound(m_softBreaks.cbegin(), m_softBreaks.cend(), start);
    const QList<qsizetype> breaks(firstBreak, std::lower_bound(firstBreak, m_softBreaks.cend(), start + piece.size()));
    const QList<QChar> joined = PageLines::cut(piece, breaks, start);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(piece);
    if (PageLines *lines = PageLines::of(document); lines && !joined.isEmpty()) {
        // One edit block: the editor lays the marked blocks out when shown,
        // not one by one now.
        end.beginEditBlock();
        lines->mark(breaks, joined);
        end.endEditBlock();
    }
    document->setModified(wasModified);
    m_done += piece.size();
}

void PageFiller::complete(bool filled)
{
    m_filling = false;
    if (m_editor) {
        QTextDocument *document = m_editor->document();
        document->setUndoRedoEnabled(m_undoWasEnabled);
        m_editor->setReadOnly(m_wasReadOnly);
    }
    if (filled)
        emit this->filled(m_fingerprinter.result());
    emit finished();
    deleteLater();
}
