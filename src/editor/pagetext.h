// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QTextBlock;
class QTextDocument;
class SourceEditor;

// The one way to read the page out of the editor. The editor holds the page
// with a few one-for-one substitutions, so that a position in its document
// is the same position in the page:
// - a very long line is shown in pieces, each after a soft break (a block
//   separator standing for a space or tab; see PageLines);
// - on a large page short lines share a block, ending in U+2028 inside it;
// - the page's own U+2029, U+FDD0 and U+FDD1 stand as U+FDD2–U+FDD4 (see
//   editorplaceholders.h).
// Everything given here is the page's own text: lines end in "\n", soft
// breaks are their spaces and tabs again, and the stand-ins are the page's
// characters, unless Form::Editor is asked for. Positions are the document's
// (QTextCursor::position()), lines are counted from 0.
//
// Nothing else reads the document's characters (QTextBlock::text(),
// toPlainText(), selectedText(), toRawText()): tst_pagetextreaders keeps it so.
class PageText
{
public:
    enum class Form {
        // The page as a file of it holds it.
        Page,
        // The stand-ins kept: for text that goes back into the editor (a
        // selection wrapped in markup) or is compared with what went in.
        Editor,
    };

    explicit PageText(const SourceEditor *editor, Form form = Form::Page);

    // The whole page; a page still going into the editor is completed first.
    QString all() const;
    // The characters from position from up to (not including) to.
    QString range(int from, int to) const;
    // The editor's selection.
    QString selection() const;

    // The line holding position, its start and where it ends (the position
    // of its line end), and its text.
    int lineNumber(int position) const;
    int lineStart(int position) const;
    int lineEnd(int position) const;
    QString line(int position) const;
    int lineCount() const;
    // Where line (clamped to the page's lines) starts.
    int positionOfLine(int line) const;
    // The column of position in its line as the status bar shows it, from 1
    // (see caretColumn()). Moving along a line of megabytes counts only the
    // piece the position is in.
    qsizetype column(int position) const;

    // Calls visit for each line that starts from position from on and before
    // to, in order, with its number and start.
    void forEachLine(int from, int to, const std::function<void(int number, int start)> &visit) const;
    // The text of one of the editor's blocks, for what works block by block
    // (colouring): a line, a piece of a long one, or short lines sharing it.
    QString blockText(const QTextBlock &block) const;

private:
    void toForm(QString &text, int from) const;

    const SourceEditor *m_editor;
    const QTextDocument *m_document;
    Form m_form;
};
