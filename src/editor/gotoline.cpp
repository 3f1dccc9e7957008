// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gotoline.h"

#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include <QInputDialog>
#include <QTextBlock>

using namespace Qt::StringLiterals;

void moveToLine(SourceEditor *editor, int line)
{
    const QTextDocument *document = editor->document();
    QTextCursor cursor(editor->document());
    cursor.setPosition(PageLines::positionOfLine(document, line - 1));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

void goToLine(SourceEditor *editor)
{
    QInputDialog dialog(editor->window());
    dialog.setObjectName(u"gotoLineDialog"_s);
    dialog.setWindowTitle(u"指定行へ移動"_s);
    const int lines = PageLines::lineCount(editor->document());
    dialog.setLabelText(u"行番号 (1 - %1):"_s.arg(lines));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, lines);
    dialog.setIntValue(PageLines::lineAt(editor->document(), editor->textCursor().position()) + 1);
    dialog.setOkButtonText(u"移動"_s);
    dialog.setCancelButtonText(u"キャンセル"_s);
    if (dialog.exec() == QDialog::Accepted)
        moveToLine(editor, dialog.intValue());
}
