// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gotoline.h"

#include "editor/sourceeditor.h"

#include <QInputDialog>
#include <QTextBlock>

using namespace Qt::StringLiterals;

void moveToLine(SourceEditor *editor, int line)
{
    const int number = std::clamp(line, 1, editor->blockCount()) - 1;
    editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(number)));
    editor->ensureCursorVisible();
}

void goToLine(SourceEditor *editor)
{
    QInputDialog dialog(editor->window());
    dialog.setObjectName(u"gotoLineDialog"_s);
    dialog.setWindowTitle(u"指定行へ移動"_s);
    dialog.setLabelText(u"行番号 (1 - %1):"_s.arg(editor->blockCount()));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, editor->blockCount());
    dialog.setIntValue(editor->textCursor().blockNumber() + 1);
    dialog.setOkButtonText(u"移動"_s);
    dialog.setCancelButtonText(u"キャンセル"_s);
    if (dialog.exec() == QDialog::Accepted)
        moveToLine(editor, dialog.intValue());
}
