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
    {.caption = u"リスト定義", .tip = u"リスト全体（UL）を書きます。"},
    {.caption = u"リスト項目", .tip = u"リストの項目（LI）を一つ書きます。"},
    {.caption = u"リストマーク変更", .tip = u"リスト全体の行頭の印（type）を指定します。"},
    {.caption = u"リスト項目マーク変更", .tip = u"この項目の行頭の印（type）を指定します。"},
};

constexpr Option numberOptions[] = {
    {.caption = u"リスト定義", .tip = u"リスト全体（OL）を書きます。"},
    {.caption = u"リスト項目", .tip = u"リストの項目（LI）を一つ書きます。"},
    {.caption = u"リストマーク変更", .tip = u"リスト全体の番号の種類（type）を指定します。"},
    {.caption = u"リスト項目マーク変更", .tip = u"この項目の番号の種類（type）を指定します。"},
    {.caption = u"リスト開始番号変更", .tip = u"最初の番号（start）を指定します。"},
    {.caption = u"連番途中変更", .tip = u"この項目の番号（value）を指定し、続きをそこから数えます。"},
};

constexpr Option definitionOptions[] = {
    {.caption = u"リスト定義", .tip = u"リスト全体（DL）を書きます。"},
    {.caption = u"用語", .tip = u"用語（DT）を一つ書きます。"},
    {.caption = u"解説", .tip = u"用語の解説（DD）を一つ書きます。"},
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

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"UL LI", .explanation = u"箇条書き（黒丸などの付いたリスト）を作ります。"},
    {.elements = u"OL LI", .explanation = u"番号付きのリストを作ります。"},
    {.elements = u"DL DT DD", .explanation = u"用語とその解説を組にしたリストを作ります。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> listTags()
{
    return tags;
}

std::span<const TagNotes> listNotes()
{
    return notes;
}
