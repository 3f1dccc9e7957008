// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Windows are designed in twips; on screen 15 twips make a pixel (1440 per
// inch at 96 dpi).
inline constexpr double twipsPerPixel = 15.0;

constexpr int twips(double value)
{
    const double pixels = value / twipsPerPixel;
    return int(pixels + (pixels < 0 ? -0.5 : 0.5));
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
