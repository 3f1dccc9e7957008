// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gotoline.h"

#include "editor/softbreaks.h"
#include "editor/sourceeditor.h"

#include <QInputDialog>
#include <QTextBlock>

using namespace Qt::StringLiterals;

void moveToLine(SourceEditor *editor, int line)
{
    const QTextDocument *document = editor->document();
    const int number = std::clamp(line, 1, SoftBreaks::lineCount(document)) - 1;
    editor->setTextCursor(QTextCursor(SoftBreaks::blockOfLine(document, number)));
    editor->ensureCursorVisible();
}

void goToLine(SourceEditor *editor)
{
    QInputDialog dialog(editor->window());
    dialog.setObjectName(u"gotoLineDialog"_s);
    dialog.setWindowTitle(u"指定行へ移動"_s);
    const int lines = SoftBreaks::lineCount(editor->document());
    dialog.setLabelText(u"行番号 (1 - %1):"_s.arg(lines));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, lines);
    dialog.setIntValue(SoftBreaks::lineOf(editor->textCursor().block()) + 1);
    dialog.setOkButtonText(u"移動"_s);
    dialog.setCancelButtonText(u"キャンセル"_s);
    if (dialog.exec() == QDialog::Accepted)
        moveToLine(editor, dialog.intValue());
}
