// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/color/colorcode.h"

RGBParts SplitColor(qint32 color)
{
    return RGBParts{
        qint16(color % 256),
        qint16((color % 65536) / 256),
        qint16(color / 65536),
    };
}

static QString twoDigits(qint16 part)
{
    // The last two hexadecimal digits of the part's two's complement form.
    return QString::number(quint8(part), 16).toUpper().rightJustified(2, u'0');
}

QString colorCode(const RGBParts &parts)
{
    return twoDigits(parts.Red) + twoDigits(parts.Green) + twoDigits(parts.Blue);
}
