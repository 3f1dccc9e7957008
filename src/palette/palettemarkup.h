// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette/catalogue.h"

// Helpers the category tables share.

inline constexpr QStringView crlf = u"\r\n";

// The position list, used by several tags.
inline constexpr Choice positions[] = {
    {u"左寄せ", u"left"},
    {u"センタリング", u"center"},
    {u"右寄せ", u"right"},
};

// The keyword of the item chosen in zokusei`combo`, empty when none is chosen.
QStringView chosenWord(const Tag &tag, const PaletteState &state, int combo);

// What the ticked boxes write, in box order (never in the order of ticking).
QString tickedAttributes(const Tag &tag, const PaletteState &state);

// The written text of the last ticked box, empty when none is ticked: for tags
// where each box replaces what an earlier one set.
QString lastTickedMarkup(const Tag &tag, const PaletteState &state);

// open + each combo's lead and keyword + "'" + the ticked attributes + close:
// for tags whose combo attributes come before the ticked ones.
QString choicesFirstMarkup(const Tag &tag, const PaletteState &state);

// Lines joined by CR LF, none after the last.
QString joinLines(std::span<const QStringView> lines);
