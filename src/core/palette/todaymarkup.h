// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/palettemarkup.h"

// Helpers the 今の HTML category tables share. Their markup is already in
// today's style (lower case, double quotes, boolean attributes bare): no
// restyling is applied to it.

// The options most elements offer: the name CSS and links point at, and the
// class CSS styles by.
inline constexpr Option idClassOptions[] = {
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

// … and with the advisory title and the language of the content.
inline constexpr Option commonOptions[] = {
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
    {u"補足（title）", uR"( title="")"},
    {u"言語（lang）", uR"( lang="")"},
};

// Where a link or a form's answer opens.
inline constexpr Choice targets[] = {
    {u"新しいタブ（_blank）", u"_blank"},
    {u"同じタブ（_self）", u"_self"},
    {u"親のフレーム（_parent）", u"_parent"},
    {u"最上位（_top）", u"_top"},
};

inline constexpr Choice loadingChoices[] = {
    {u"画面に近づいてから（lazy）", u"lazy"},
    {u"すぐに（eager）", u"eager"},
};

// open + the ticked attributes + for each chosen combo its lead, keyword and
// closing quote + close. An unchosen combo writes the item its set-up
// chooses, or else nothing: its attribute is left out rather than written
// empty. A combo without a lead writes its
// item's text as it stands (a whole attribute such as ` defer`).
QString chosenOnlyMarkup(const Tag &tag, const PaletteState &state);

// The keyword of zokusei`combo`, or of the item the set-up chooses when the
// user typed over it: for tags that must always write one (a heading's level).
QStringView chosenOrPreset(const Tag &tag, const PaletteState &state, int combo);

// The page's encoding named in the first empty <meta charset="">, as the
// page skeleton and the charset tag write it; the markup is unchanged when
// charset is empty or there is no such element.
QString withCharset(QStringView markup, QStringView charset);

// open + for each chosen combo its lead, keyword and closing quote + the
// ticked attributes + close: for elements whose chosen type reads best first
// (<input type="email" name="">).
QString chosenFirstMarkup(const Tag &tag, const PaletteState &state);
