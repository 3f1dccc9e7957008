// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/html/pagetokenizer.h"

#include <QColor>
#include <QList>
#include <QStringView>

// A colour written on a line: where its value stands and what colour it is.
struct ColourSpot {
    int start;
    int length;
    QColor colour;

    friend bool operator==(const ColourSpot &, const ColourSpot &) = default;
};

// The colours on a line that tokenizePageLine() gave spans: CSS colours
// (hexadecimal, rgb(), rgba(), hsl(), hsla(), names) and the values of the
// markup's colour attributes (bgcolor, color, text, link, …), without
// their quotes.
QList<ColourSpot> colourSpots(QStringView line, const QList<PageSpan> &spans);
