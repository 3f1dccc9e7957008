// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/caretstatus.h"

#include "core/text/caretcolumn.h"
#include "editor/sourceeditor.h"

#include <QTextBlock>

using namespace Qt::StringLiterals;

CaretStatus::CaretStatus(SourceEditor *editor, QWidget *parent)
    : QLabel(parent)
    , m_editor(editor)
{
    setObjectName(u"caretPosition"_s);
    connect(m_editor, &SourceEditor::cursorPositionChanged, this, &CaretStatus::update);
    update();
}

void CaretStatus::update()
{
    const QTextCursor cursor = m_editor->textCursor();
    const QTextBlock block = cursor.block();
    const QString line = block.text();
    const qsizetype column = caretColumn(QStringView(line).first(cursor.positionInBlock()));
    setText(u"%1 行 : %2 桁"_s.arg(block.blockNumber() + 1).arg(column));
}
