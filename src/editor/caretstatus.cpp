// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/caretstatus.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

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
    const PageText page(m_editor);
    const int position = m_editor->textCursor().position();
    setText(u"%1 行 : %2 桁"_s.arg(page.lineNumber(position) + 1).arg(page.column(position)));
}
