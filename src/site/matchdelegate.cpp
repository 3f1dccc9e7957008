// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/matchdelegate.h"

#include <QApplication>
#include <QPainter>

void MatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant start = index.data(markStartRole);
    if (!start.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const qsizetype from = std::clamp<qsizetype>(start.toLongLong(), 0, text.size());
    const qsizetype length = std::clamp<qsizetype>(index.data(markLengthRole).toLongLong(), 0, text.size() - from);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(item.font);
    const int markLeft = metrics.horizontalAdvance(text.first(from));
    const int markWidth = metrics.horizontalAdvance(text.sliced(from, length));
    painter->save();
    painter->setClipRect(area);
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    const QColor mark = selected ? item.palette.color(QPalette::HighlightedText) : QColor(255, 230, 110);
    painter->fillRect(QRect(area.left() + markLeft, area.top() + 1, markWidth, area.height() - 2),
                      selected ? item.palette.color(QPalette::Highlight).lighter(130) : mark);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
    painter->restore();
}
