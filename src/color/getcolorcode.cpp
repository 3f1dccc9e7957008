// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/getcolorcode.h"

#include "window/commondialog.h"
#include "core/color/colorcode.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
// Start from the dialog's current colour (1), with a Help button (8).
constexpr int colorFlags = 1 | 8;
}

bool GetColorCode(CommonDialog &dialog)
{
    dialog.setFlags(colorFlags);
    if (!dialog.showColor())
        return false;
    const QString code = colorCode(SplitColor(qint32(dialog.color())));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(code);
    return true;
}
