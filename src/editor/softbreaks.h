// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBlock>

class QTextCursor;
class QTextDocument;

// A very long line is shown as several blocks (see longLineBreaks()): each
// block after its first starts after a soft break, a block separator standing
// for the space or tab the line has there. The block's format carries that
// character and the break's own number. Text read from the document gets its
// spaces and tabs back, and positions in the document and in the text are the
// same, since a break takes the place of the character it stands for.
//
// Splitting a block (Enter, pasting lines) gives the new block the format of
// the one split. A block carrying the same break as the block before it is
// such a copy: it loses the break at once, within the same undo step, so a
// line end the user typed stays a line end.
//
// A document that never held a long line has no SoftBreaks: every function
// below then costs what it did before lines were cut.
class SoftBreaks : public QObject
{
    Q_OBJECT
public:
    // The document's soft breaks, or nullptr when it has none to keep.
    static SoftBreaks *of(const QTextDocument *document);
    // Keeps the soft breaks of the document from now on.
    static SoftBreaks *attach(QTextDocument *document);
    // Stops keeping them: the document holds a page with no long line.
    static void detach(QTextDocument *document);

    // Puts block separators in text at breaks (positions from offset on),
    // where the document will hold them.
    static void cut(QString &text, const QList<qsizetype> &breaks, qsizetype offset = 0);
    // The separator at position stands for joined (a space or tab).
    void mark(int position, QChar joined);

    // The character the separator before block stands for, or a null QChar
    // when the block starts a line.
    static QChar joinOf(const QTextBlock &block);

    // text holds the document's characters from position from on, block
    // separators as U+2029: the soft ones become their spaces and tabs again.
    static void giveBack(const QTextDocument *document, QString &text, int from = 0);
    // The selection's text as selectedText() gives it, soft breaks given back.
    static QString selectedText(const QTextCursor &cursor);

    // Lines as the user counts them, from 0, and the blocks they start at.
    static int lineOf(const QTextBlock &block);
    static QTextBlock lineStart(QTextBlock block);
    static QTextBlock blockOfLine(const QTextDocument *document, int line);
    static int lineCount(const QTextDocument *document);

private:
    explicit SoftBreaks(QTextDocument *document);
    void followEdit(int position, int removed, int added);
    const QList<int> &continuations();

    QPointer<QTextDocument> m_document;
    QList<int> m_continuations;  // block numbers of the blocks after a soft break
    bool m_indexed = false;
    bool m_mending = false;
    qint64 m_lastBreak = 0;
};
