// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/dialogfit.h"

#include <algorithm>

DialogFit fitDialog(QSize wanted, const QRect &available, const QMargins &frame)
{
    const QRect inside = available.marginsRemoved(frame);
    if (wanted.width() <= inside.width() && wanted.height() <= inside.height()) {
        QRect centred(QPoint(0, 0), wanted);
        centred.moveCenter(inside.center());
        return {centred, false};
    }
    const QSize size(std::min(wanted.width(), inside.width()), std::min(wanted.height(), inside.height()));
    QRect placed(inside.topLeft(), size);
    if (size.width() < inside.width())
        placed.moveLeft(inside.left() + (inside.width() - size.width()) / 2);
    return {placed, true};
}
