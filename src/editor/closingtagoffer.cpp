// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/closingtagoffer.h"

#include "core/html/closingtag.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QKeyEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

// The markup read back from the caret: enough for any page written by hand;
// an element opened further up is not offered.
constexpr int lookBehind = 512 * 1024;

ClosingTagOffer::ClosingTagOffer(SourceEditor *editor)
    : QObject(editor)
    , m_editor(editor)
    , m_note(new QLabel(editor, Qt::ToolTip))
{
    m_note->setObjectName(u"closingTagOffer"_s);
    m_note->setFocusPolicy(Qt::NoFocus);
    m_note->setAttribute(Qt::WA_ShowWithoutActivating);
    m_note->setForegroundRole(QPalette::ToolTipText);
    m_note->setBackgroundRole(QPalette::ToolTipBase);
    m_note->setAutoFillBackground(true);
    m_note->setMargin(3);
    m_editor->installEventFilter(this);
    connect(m_editor, &SourceEditor::textChanged, this, &ClosingTagOffer::textChanged);
    connect(m_editor, &SourceEditor::cursorPositionChanged, this, [this] {
        if (isOffering() && m_editor->textCursor().position() != m_offeredAt)
            dismiss();
    });
}

void ClosingTagOffer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        dismiss();
}

bool ClosingTagOffer::isOffering() const
{
    return !m_element.isEmpty();
}

bool ClosingTagOffer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isOffering()) {
            const bool plain = !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
            if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab)) {
                const QString rest = m_element + u'>';
                dismiss();
                m_editor->insertPlainText(rest);
                return true;
            }
            dismiss();
            if (key->key() == Qt::Key_Escape)
                return true;
        }
        m_slashTyped = m_enabled && key->text() == u"/";
    } else if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonPress) {
        dismiss();
    }
    return false;
}

void ClosingTagOffer::textChanged()
{
    if (!m_slashTyped)
        return;
    m_slashTyped = false;
    const QTextCursor caret = m_editor->textCursor();
    const int position = caret.position();
    if (position < 2 || caret.hasSelection())
        return;
    const QString text = PageText(m_editor).range(std::max(0, position - lookBehind), position);
    if (!text.endsWith(u"</"))
        return;
    if (const auto element = elementToClose(QStringView(text).chopped(2)))
        offer(*element);
}

void ClosingTagOffer::offer(const QString &element)
{
    m_element = element;
    m_offeredAt = m_editor->textCursor().position();
    m_note->setText(u"</%1>　Enter で入力、Esc で閉じる"_s.arg(element));
    m_note->adjustSize();
    const QRect caret = m_editor->cursorRect();
    m_note->move(m_editor->viewport()->mapToGlobal(caret.bottomLeft() + QPoint(0, 2)));
    m_note->show();
}

void ClosingTagOffer::dismiss()
{
    m_element.clear();
    m_offeredAt = -1;
    m_note->hide();
}
