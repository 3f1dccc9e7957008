// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/editorlayout.h"

#include <algorithm>
#include <cmath>

std::optional<QSize> editorSize(bool minimised, int outerWidth, QSize client)
{
    if (minimised || outerWidth * twipsPerPixel <= editorRightReserve)
        return std::nullopt;
    // The outer width counts the borders, so the client may still be too narrow.
    const int width = int(std::lround((client.width() * twipsPerPixel - editorRightReserve) / twipsPerPixel));
    return QSize(std::max(0, width), std::max(0, client.height()));
}
