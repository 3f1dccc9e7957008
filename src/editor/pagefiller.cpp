// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefiller.h"

#include "core/document/memorypolicy.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// The first piece fills a screen many times over; the later ones each take a
// few tens of milliseconds to go in.
constexpr qsizetype firstPieceSize = 64 * 1024;
constexpr qsizetype pieceSize = 512 * 1024;
constexpr qint64 sliceNs = 25'000'000;

// Where a piece of about `size` characters from `from` ends: after a line
// end, however far. A piece that ended within a line would have the editor
// lay the whole line out again as the next piece lengthens it; and a page
// that is one long line then goes in at once, as a small page does.
qsizetype pieceEnd(const QString &text, qsizetype from, qsizetype size)
{
    if (text.size() - from <= size)
        return text.size();
    const qsizetype lineEnd = text.indexOf(u'\n', from + size - 1);
    return lineEnd < 0 ? text.size() : lineEnd + 1;
}

} // namespace

bool PageFiller::takesPieces(const QString &text)
{
    return text.size() >= piecewiseFrom && pieceEnd(text, 0, firstPieceSize) < text.size();
}

PageFiller::PageFiller(QPlainTextEdit *editor, QString &&text)
    : QObject(editor)
    , m_editor(editor)
    , m_whole(std::move(text))
    , m_total(m_whole.size())
{
    QTextDocument *document = editor->document();
    m_wasReadOnly = editor->isReadOnly();
    m_undoWasEnabled = document->isUndoRedoEnabled();
    editor->setReadOnly(true);
    document->setUndoRedoEnabled(false);
    m_done = pieceEnd(m_whole, 0, firstPieceSize);
    insert(m_whole.first(m_done));
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
        const qsizetype last = m_whole.lastIndexOf(u'\n', m_whole.size() - 1);
        const qsizetype beforeLast = last > 0 ? m_whole.lastIndexOf(u'\n', last - 1) : -1;
        const qsizetype cutBefore = std::min(m_whole.size() - pieceSize, beforeLast - 1);
        const qsizetype lineEnd = cutBefore < first ? -1 : m_whole.lastIndexOf(u'\n', cutBefore);
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
        const QString piece = m_pieces.takeFirst();
        insert(piece);
        m_done += piece.size();
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
    while (m_editor && !m_pieces.isEmpty()) {
        const QString piece = m_pieces.takeFirst();
        insert(piece);
        m_done += piece.size();
    }
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
void PageFiller::insert(const QString &piece)
{
    QTextDocument *document = m_editor->document();
    const bool wasModified = document->isModified();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(piece);
    document->setModified(wasModified);
    m_fingerprinter.add(piece);
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
