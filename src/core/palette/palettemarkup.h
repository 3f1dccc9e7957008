// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

// Helpers the category tables share.

inline constexpr QStringView crlf = u"\r\n";

// The position list, used by several tags.
inline constexpr Choice positions[] = {
    {u"左寄せ", u"left"},
    {u"センタリング", u"center"},
    {u"右寄せ", u"right"},
};

// Where an element stands, named by the side the text takes: the text-side
// items write the opposite side, the one the element stands on.
inline constexpr Choice textSides[] = {
    {u"右にテキスト", u"left"},
    {u"センタリング", u"center"},
    {u"左にテキスト", u"right"},
};

// Ends the wrapping of text around an image or a table.
inline constexpr QStringView clearWrapping = u"<BR clear='all'>";

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

// One piece of a tag assembled from independent parts. It is written when all
// the boxes in `when` are ticked (`always` when none are named); a piece fed by
// a combo is followed by the keyword chosen in zokusei`valueFrom` and the
// closing quote.
struct Piece {
    unsigned when;
    QStringView text;
    int valueFrom = 0;
};
inline constexpr unsigned always = 0;

QString joinPieces(std::span<const Piece> pieces, const Tag &tag, const PaletteState &state);

// The markup step of a tag built from the pieces of a constexpr table.
template <const auto &pieces>
QString piecesMarkup(const Tag &tag, const PaletteState &state)
{
    return joinPieces(pieces, tag, state);
}

// Lines joined by CR LF, none after the last.
QString joinLines(std::span<const QStringView> lines);
