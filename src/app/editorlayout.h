// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <optional>

// Window geometry is designed in twips; on screen 15 twips make a pixel
// (1440 per inch at 96 dpi).
inline constexpr double twipsPerPixel = 15.0;

constexpr int twips(double value)
{
    const double pixels = value / twipsPerPixel;
    return int(pixels + (pixels < 0 ? -0.5 : 0.5));
}

// The editor's left edge plus the strip kept free at the window's right edge.
inline constexpr double editorRightReserve = 2216.841;

// The editor's new size for a window of the given outer width and client
// size (pixels), or nothing when it keeps its size: while minimised, and when
// the window is too narrow to hold more than the palette. The size is never
// negative.
std::optional<QSize> editorSize(bool minimised, int outerWidth, QSize client);
