// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Draws a result's line with its match marked: the column's text, with the
// characters from markStartRole on, markLengthRole long, on the highlight colour.
class MatchDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int markStartRole = Qt::UserRole + 10;
    static constexpr int markLengthRole = Qt::UserRole + 11;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
