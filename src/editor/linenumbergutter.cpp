// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/linenumbergutter.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

LineNumberGutter::LineNumberGutter(SourceEditor *editor)
    : QWidget(editor)
    , m_editor(editor)
{
    setObjectName(u"lineNumberGutter"_s);
    hide();
    m_editor->installEventFilter(this);
    connect(m_editor, &SourceEditor::updateRequest, this, [this](const QRect &rect, int dy) {
        if (!isVisible())
            return;
        if (dy)
            scroll(0, dy);
        else
            update(0, rect.y(), width(), rect.height());
    });
    connect(m_editor, &SourceEditor::cursorPositionChanged, this, [this] {
        const int block = PageText(m_editor).lineNumber(m_editor->textCursor().position());
        if (block != m_caretBlock && isVisible())
            update();
        m_caretBlock = block;
    });
}

int LineNumberGutter::gutterWidth() const
{
    QFont bold = m_editor->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(u"9999999"_s) + 8;
}

void LineNumberGutter::setShown(bool shown)
{
    setVisible(shown);
    m_editor->setViewportMargins(shown ? gutterWidth() : 0, 0, 0, 0);
    place();
}

void LineNumberGutter::place()
{
    const QRect area = m_editor->contentsRect();
    setGeometry(area.left(), area.top(), gutterWidth(), area.height());
}

bool LineNumberGutter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && isVisible()) {
        if (event->type() == QEvent::Resize)
            place();
        else if (event->type() == QEvent::FontChange)
            setShown(true);
    }
    return QWidget::eventFilter(watched, event);
}

void LineNumberGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    QTextBlock block = m_editor->firstVisibleBlock();
    if (!block.isValid())
        return;
    // A page line is numbered where it starts: the pieces of a long line
    // after its first carry no number, and a block holding several short
    // lines numbers each.
    const PageText page(m_editor);
    const int caret = page.lineNumber(m_editor->textCursor().position());
    qreal top = m_editor->blockBoundingGeometry(block).translated(m_editor->contentOffset()).top();
    const int lineHeight = QFontMetrics(m_editor->font()).height();
    QFont plain = m_editor->font();
    QFont bold = plain;
    bold.setBold(true);
    auto draw = [&](int line, qreal y) {
        const bool current = line == caret;
        painter.setFont(current ? bold : plain);
        painter.setPen(palette().color(current ? QPalette::WindowText : QPalette::PlaceholderText));
        painter.drawText(QRectF(0, y, width() - 4, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(line + 1));
    };
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = m_editor->blockBoundingGeometry(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const QTextLayout *layout = block.layout();
            const int position = block.position();
            page.forEachLine(position, position + block.length(), [&](int number, int start) {
                draw(number, top + layout->lineForTextPosition(start - position).y());
            });
        }
        top += height;
        block = block.next();
    }
}
