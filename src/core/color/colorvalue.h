// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>

// A colour as the page writes it, in CSS or in a colour attribute, and the
// same notation for another colour: "#FFCC00" stays upper-case six digits,
// "rgb(0, 0, 0)" stays rgb() with its commas, "navy" stays a name when the
// new colour has one.
struct ColourValue {
    enum class Notation : std::uint8_t { Hex, Rgb, Hsl, Name };

    QColor colour;
    Notation notation = Notation::Hex;
    // The text as written, which the new value copies its style from.
    QString text;
};

// The colour a CSS colour name stands for, whatever its case.
std::optional<QRgb> cssNamedColour(QStringView name);

// The whole of text as one colour value: "#rgb", "#rgba", "#rrggbb",
// "#rrggbbaa", "rgb()" / "rgba()" with commas or spaces and an alpha after
// "/" or a fourth comma, "hsl()" / "hsla()", or a colour name. A colour
// attribute's value may leave out the "#" of six hexadecimal digits, as old
// pages do (bgcolor=FFFFFF); pass bareHex for those.
std::optional<ColourValue> parseColourValue(QStringView text, bool bareHex = false);

// colour written in the notation of `like`, keeping its alpha (the colour
// dialog chooses none), its letter case and its separators. A name that no
// colour name matches becomes "#rrggbb" in lower case.
QString writeColourValue(const QColor &colour, const ColourValue &like);
