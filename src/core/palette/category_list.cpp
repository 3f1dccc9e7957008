// SPDX-License-Identifier: GPL-3.0-or-later
// リスト: bulleted, numbered and definition lists, each assembled from pieces
// that its own box writes, so one Insert can give a whole one-item list, a
// further item or an attribute alone.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Choice bulletMarks[] = {
    {u"黒丸", u"disc"},
    {u"白丸", u"circle"},
    {u"黒四角", u"square"},
};

constexpr Choice numberMarks[] = {
    {u"アラビア数字", u"1"},
    {u"小文字アルファベット", u"a"},
    {u"大文字アルファベット", u"A"},
    {u"小文字ローマ数字", u"i"},
    {u"大文字ローマ数字", u"I"},
};

constexpr Option bulletOptions[] = {
    {u"リスト定義"},
    {u"リスト項目"},
    {u"リストマーク変更"},
    {u"リスト項目マーク変更"},
};

constexpr Option numberOptions[] = {
    {u"リスト定義"},
    {u"リスト項目"},
    {u"リストマーク変更"},
    {u"リスト項目マーク変更"},
    {u"リスト開始番号変更"},
    {u"連番途中変更"},
};

constexpr Option definitionOptions[] = {
    {u"リスト定義"},
    {u"用語"},
    {u"解説"},
};

// An attribute box counts even when the box of its element is not ticked.
constexpr Piece bulletPieces[] = {
    {box(1), u"<UL"},
    {box(3), u" type='", 1},
    {box(1), u">"},
    {box(2), u"<LI"},
    {box(4), u" type='", 2},
    {box(2), u"></LI>"},
    {box(1), u"</UL>"},
};

constexpr Piece numberPieces[] = {
    {box(1), u"<OL"},
    {box(3), u" type='", 1},
    {box(5), u" start=''"},
    {box(1), u">"},
    {box(2), u"<LI"},
    {box(4), u" type='", 2},
    {box(6), u" value=''"},
    {box(2), u"></LI>"},
    {box(1), u"</OL>"},
};

constexpr Piece definitionPieces[] = {
    {box(1), u"<DL>"},
    {box(2), u"<DT></DT>"},
    {box(3), u"<DD></DD>"},
    {box(1), u"</DL>"},
};

constexpr Tag tags[] = {
    {.label = u"リスト",
     .checks = bulletOptions,
     .labels = {u"リストのマーク", u"リスト項目のマーク"},
     .combos = {bulletMarks, bulletMarks},
     .markup = &piecesMarkup<bulletPieces>},
    {.label = u"番号付きリスト",
     .checks = numberOptions,
     .labels = {u"リストのマーク", u"リスト項目のマーク"},
     .combos = {numberMarks, numberMarks},
     .markup = &piecesMarkup<numberPieces>},
    {.label = u"用語定義", .checks = definitionOptions, .markup = &piecesMarkup<definitionPieces>},
};
static_assert(std::size(tags) == 3);

} // namespace

std::span<const Tag> listTags()
{
    return tags;
}
