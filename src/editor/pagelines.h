// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBlock>

class QTextCursor;
class QTextDocument;

// How the page's lines sit in the editor's blocks when that is not one line
// to a block. Every position in the document is the same position in the
// page: only what stands at a line's end or inside it changes.
//
// - A very long line is shown as several blocks (see longLineBreaks()): each
//   block after its first starts after a soft break, a block separator that
//   stands for the space or tab the line has there. The block's format
//   carries that character and the break's own number. Splitting a block
//   (Enter, pasting lines) gives the new block the format of the one split: a
//   block carrying the same break as the block before it is such a copy, and
//   loses it at once, within the same undo step, so a line end the user typed
//   stays a line end.
// - On a large page, short lines share blocks (see groupShortLines()): U+2028
//   ends a line inside a block.
//
// A document holding neither has no PageLines, and every function below then
// costs what it would with one line to a block.
class PageLines : public QObject
{
    Q_OBJECT
public:
    // The document's page lines, or nullptr when they are its blocks.
    static PageLines *of(const QTextDocument *document);
    // Keeps the document's page lines from now on.
    static PageLines *attach(QTextDocument *document);
    // Stops keeping them: the document holds one line to a block.
    static void detach(QTextDocument *document);

    // Puts block separators in text at breaks (positions from offset on,
    // all within text), where the document will hold them; gives back the
    // spaces and tabs they stand for.
    static QList<QChar> cut(QString &text, const QList<qsizetype> &breaks, qsizetype offset = 0);
    // The separators at breaks (document positions, plus offset) stand for
    // joined, as cut() gave them.
    void mark(const QList<qsizetype> &breaks, const QList<QChar> &joined, qsizetype offset = 0);
    // Puts text in at the cursor's place as one edit, its long lines cut at
    // soft breaks as a page opened is.
    static void insertText(QTextCursor &cursor, QString text);
    // The character the separator before block stands for, or a null QChar
    // when the block starts a line.
    static QChar joinOf(const QTextBlock &block);

    // From now on U+2028 in the document ends a line of the page.
    void setGroupsLines() { m_groupsLines = true; }
    bool groupsLines() const { return m_groupsLines; }

    // text holds the document's characters from position from on, block
    // separators as U+2029: soft breaks become their spaces and tabs again,
    // and line ends inside blocks "\n".
    static void giveBack(const QTextDocument *document, QString &text, int from = 0);

    // Lines as the user counts them, from 0.
    static int lineAt(const QTextDocument *document, int position);
    static int lineCount(const QTextDocument *document);
    // Where the line holding position starts, and where it ends (the
    // position of its line end).
    static int lineStart(const QTextDocument *document, int position);
    static int lineEnd(const QTextDocument *document, int position);
    // Where line (from 0, clamped) starts.
    static int positionOfLine(const QTextDocument *document, int line);
    // The caret column of position in its line (see caretColumn()).
    static qsizetype columnAt(const QTextDocument *document, int position);

private:
    explicit PageLines(QTextDocument *document);
    void mark(int position, QChar joined);
    static void unmark(QTextCursor &cursor);
    void followEdit(int position, int removed, int added);
    void dropCopiedBreaks(int position, int added);
    int innerEnds(const QTextBlock &block);
    static qsizetype columnsOf(const QTextBlock &piece);
    const QList<int> &blockLines();

    QPointer<QTextDocument> m_document;
    // The line each block starts in, by block number.
    QList<int> m_blockLines;
    bool m_indexed = false;
    bool m_groupsLines = false;
    bool m_mending = false;
    // An int, not a wider number: the document finds a format again by a
    // hash of its properties that tells ints apart and other numbers not.
    int m_lastBreak = 0;
};
