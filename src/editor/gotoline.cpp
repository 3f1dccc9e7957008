// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gotoline.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QInputDialog>
#include <QTextCursor>

using namespace Qt::StringLiterals;

void moveToLine(SourceEditor *editor, int line)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(PageText(editor).positionOfLine(line - 1));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

void goToLine(SourceEditor *editor)
{
    QInputDialog dialog(editor->window());
    dialog.setObjectName(u"gotoLineDialog"_s);
    dialog.setWindowTitle(u"指定行へ移動"_s);
    const PageText page(editor);
    const int lines = page.lineCount();
    dialog.setLabelText(u"行番号 (1 - %1):"_s.arg(lines));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, lines);
    dialog.setIntValue(page.lineNumber(editor->textCursor().position()) + 1);
    dialog.setOkButtonText(u"移動"_s);
    dialog.setCancelButtonText(u"キャンセル"_s);
    if (dialog.exec() == QDialog::Accepted)
        moveToLine(editor, dialog.intValue());
}
