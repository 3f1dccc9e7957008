// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

#include <span>
#include <string_view>

// What the program knows of CSS, generated from kept web data (see
// scripts/webdata/css-data.mjs). Every table is sorted by name.

struct CssProperty {
    std::u16string_view name;
    // The keywords its value may hold, space-separated; the keywords every
    // property takes (inherit, initial, …) are not repeated here.
    std::u16string_view values;
    // Whether a colour may stand in its value.
    bool takesColour;
};

struct CssAtRule {
    std::u16string_view name; // without its "@"
};

struct CssColourName {
    std::u16string_view name; // lower case
    QRgb rgb;
};

std::span<const CssProperty> cssProperties();
std::span<const CssAtRule> cssAtRules();
std::span<const CssColourName> cssColourNames();
