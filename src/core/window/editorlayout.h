// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/window/twips.h"

#include <QSize>

#include <optional>

// The editor's left edge plus the strip kept free at the window's right edge.
inline constexpr double editorRightReserve = 2216.841;

// The editor's new size for a window of the given outer width and client
// size (pixels), or nothing when it keeps its size: while minimised, and when
// the window is too narrow to hold more than the palette. The size is never
// negative.
std::optional<QSize> editorSize(bool minimised, int outerWidth, QSize client);
