// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The parts of a colour value as the colour dialog returns it, 0x00BBGGRR.
struct RGBParts {
    qint16 Red = 0;
    qint16 Green = 0;
    qint16 Blue = 0;
};

// Low byte red, next green, third blue. The remainders truncate, so a negative
// value (never one the dialog returns) gives negative parts.
RGBParts SplitColor(qint32 color);

// Six upper-case hexadecimal digits, red, green, blue, no "#": what the user
// pastes after the "#" of a colour attribute. Each part gives its last two
// hexadecimal digits.
QString colorCode(const RGBParts &parts);
