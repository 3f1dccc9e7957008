// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <span>

// A named character reference: "&amp;" is {u"amp", u"&"}.
struct CharacterReference {
    QStringView name;       // without "&" and ";"
    QStringView characters; // what it stands for (one or two characters)
};

// Every named reference of HTML, sorted by name (code unit order).
std::span<const CharacterReference> characterReferences();
