// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editorplaces.h"

#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

void moveCaretToLine(SourceEditor *editor, qsizetype line, qsizetype column)
{
    if (PageFiller *filler = pageFiller(editor))
        filler->finish();
    const QTextDocument *document = editor->document();
    const int lineIndex = int(std::clamp<qsizetype>(line - 1, 0, PageLines::lineCount(document) - 1));
    // Positions in the document are those of the page, however its lines
    // sit in the editor's blocks.
    const int start = PageLines::positionOfLine(document, lineIndex);
    const int length = PageLines::lineEnd(document, start) - start;
    QTextCursor cursor(editor->document());
    cursor.setPosition(start + int(std::clamp<qsizetype>(column - 1, 0, length)));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    editor->setFocus(Qt::OtherFocusReason);
}

void replaceInEditor(SourceEditor *editor, QStringView text, const QList<TextReplacement> &replacements)
{
    const QList<TextReplacement> edits = joinedByLine(text, replacements);
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    for (auto it = edits.crbegin(); it != edits.crend(); ++it) {
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(it->text);
    }
    cursor.endEditBlock();
    editor->setTextCursor(cursor);
}
