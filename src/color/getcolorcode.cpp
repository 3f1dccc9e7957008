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

std::optional<QString> chooseColorCode(CommonDialog &dialog)
{
    dialog.setFlags(colorFlags);
    if (!dialog.showColor())
        return std::nullopt;
    return colorCode(SplitColor(qint32(dialog.color())));
}

std::optional<QString> copyColorCode(CommonDialog &dialog)
{
    const auto code = chooseColorCode(dialog);
    if (!code)
        return std::nullopt;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(*code);
    return code;
}

bool GetColorCode(CommonDialog &dialog)
{
    return copyColorCode(dialog).has_value();
}
