// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/completionpopup.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// The page read back from the caret, and on after it: enough for the tag
// the caret is in and the elements left open around it.
constexpr int lookBehind = 64 * 1024;
constexpr int lookAhead = 4 * 1024;
constexpr int rowsShown = 10;
constexpr int explanationRole = Qt::UserRole;

// The offer in the list's font, its explanation after it in the dimmer text colour.
class OfferDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString explanation = index.data(explanationRole).toString();
        item.text.clear();
        QStyle *style = item.widget ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const bool selected = option.state & QStyle::State_Selected;
        const QRect area = option.rect.adjusted(4, 0, -4, 0);
        const int labelWidth = labelColumn(option);
        painter->save();
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
        QColor dim = option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText);
        painter->setPen(dim);
        const QRect rest = area.adjusted(labelWidth, 0, 0, 0);
        painter->drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(explanation, Qt::ElideRight, rest.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int explanation = option.fontMetrics.horizontalAdvance(index.data(explanationRole).toString());
        return {labelColumn(option) + explanation + 8, size.height()};
    }

    void setLabelWidth(int width) { m_labelWidth = width; }

private:
    int labelColumn(const QStyleOptionViewItem &option) const { return m_labelWidth + option.fontMetrics.height(); }

    int m_labelWidth = 0;
};

} // namespace

CompletionPopup::CompletionPopup(SourceEditor *editor)
    : QObject(editor)
    , m_editor(editor)
    , m_list(new QListWidget(editor))
{
    m_list->setObjectName(u"completionList"_s);
    m_list->setWindowFlags(Qt::ToolTip);
    m_list->setAttribute(Qt::WA_ShowWithoutActivating);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new OfferDelegate(m_list));
    m_list->setFont(m_editor->font());
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_list->setCurrentItem(item);
        take();
    });
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
    connect(m_editor, &SourceEditor::textChanged, this, [this] {
        if (std::exchange(m_triggerTyped, false) && !isOpen() && !m_taking)
            show(false);
    });
    // Typing narrows the list, a caret move elsewhere closes it.
    connect(m_editor, &SourceEditor::cursorPositionChanged, this, [this] {
        if (isOpen() && !m_taking)
            show(false);
    });
}

bool CompletionPopup::isOpen() const
{
    return m_list->isVisible();
}

void CompletionPopup::open()
{
    show(true);
}

bool CompletionPopup::show(bool sayWhenEmpty)
{
    const QTextCursor caret = m_editor->textCursor();
    if (caret.hasSelection()) {
        close();
        return false;
    }
    const int position = caret.position();
    const int from = std::max(0, position - lookBehind);
    const int to = std::min(m_editor->document()->characterCount() - 1, position + lookAhead);

    const QString text = PageText(m_editor).range(from, to);

    CompletionRequest request;
    request.text = text;
    request.caret = position - from;
    request.kind = m_pageKind ? m_pageKind() : PageKind::Html;
    request.pageFolder = m_pageFolder ? m_pageFolder() : QString();
    const Completions answer = completionsAt(request);
    if (!answer.note.isEmpty())
        emit noteChanged(answer.note);
    else if (sayWhenEmpty && answer.items.isEmpty())
        emit noteChanged(u"ここで出せる候補はありません"_s);
    if (answer.items.isEmpty()) {
        close();
        return false;
    }
    m_windowStart = from;
    m_shown = answer;

    const QSignalBlocker quiet(m_list);
    m_list->clear();
    int labelWidth = 0;
    int explanationWidth = 0;
    const QFontMetrics metrics(m_list->font());
    for (const Completion &offer : answer.items) {
        auto *item = new QListWidgetItem(offer.label, m_list);
        item->setData(explanationRole, offer.explanation);
        // The first rows are enough to size the list by.
        if (m_list->count() <= 200) {
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(offer.label));
            explanationWidth = std::max(explanationWidth, metrics.horizontalAdvance(offer.explanation));
        }
    }
    labelWidth = std::min(labelWidth, metrics.averageCharWidth() * 24);
    static_cast<OfferDelegate *>(m_list->itemDelegate())->setLabelWidth(labelWidth);
    m_list->setCurrentRow(0);
    place(labelWidth + metrics.height() + explanationWidth + 8);
    return true;
}

// Below the caret, as wide as the longest row allows, moved up or left to stay on the screen.
void CompletionPopup::place(int width)
{
    const int rows = std::min<int>(rowsShown, m_list->count());
    const int rowHeight = m_list->sizeHintForRow(0);
    const int frame = 2 * m_list->frameWidth();
    const QScreen *screen = m_editor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    width = std::min(width + frame + m_list->verticalScrollBar()->sizeHint().width(), available.width() / 2);
    const QSize size(std::max(width, 200), rows * rowHeight + frame);
    const QRect caret = m_editor->cursorRect();
    QPoint at = m_editor->viewport()->mapToGlobal(caret.bottomLeft() + QPoint(0, 2));
    if (at.y() + size.height() > available.bottom())
        at.setY(m_editor->viewport()->mapToGlobal(caret.topLeft()).y() - size.height() - 2);
    at.setX(std::max(available.left(), std::min(at.x(), available.right() - size.width())));
    m_list->setGeometry(QRect(at, size));
    if (!m_list->isVisible())
        m_list->show();
}

void CompletionPopup::take()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_shown.items.size())
        return;
    const Completion offer = m_shown.items[row];
    const int from = m_windowStart + int(m_shown.from);
    const int to = m_windowStart + int(m_shown.to);
    close();
    m_taking = true;
    QTextCursor replaced(m_editor->document());
    replaced.setPosition(from);
    replaced.setPosition(to, QTextCursor::KeepAnchor);
    m_editor->setTextCursor(replaced);
    m_editor->setSelText(offer.insert);
    QTextCursor caret = m_editor->textCursor();
    caret.setPosition(from + int(offer.caret));
    m_editor->setTextCursor(caret);
    m_taking = false;
    emit inserted(from, int(offer.insert.size()));
    if (offer.reopen)
        show(false);
}

void CompletionPopup::close()
{
    m_list->hide();
    m_shown = {};
}

bool CompletionPopup::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (watched != m_editor)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isOpen()) {
            const QString typed = key->text();
            m_triggerTyped = m_opensWhileTyping && typed.size() == 1 && u"<&/ \"'="_s.contains(typed);
            break;
        }
        const bool plain = !(key->modifiers() & ~(Qt::KeypadModifier));
        const int rows = m_list->count();
        int row = m_list->currentRow();
        switch (plain ? key->key() : 0) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            take();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Up:
            row = row <= 0 ? rows - 1 : row - 1;
            break;
        case Qt::Key_Down:
            row = row >= rows - 1 ? 0 : row + 1;
            break;
        case Qt::Key_PageUp:
            row = std::max(0, row - rowsShown);
            break;
        case Qt::Key_PageDown:
            row = std::min(rows - 1, row + rowsShown);
            break;
        default:
            return false;
        }
        m_list->setCurrentRow(row);
        return true;
    }
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        if (watched == m_editor || watched == m_editor->viewport())
            close();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
