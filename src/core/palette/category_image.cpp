// SPDX-License-Identifier: GPL-3.0-or-later
// 画像（イメージ）: the inline image and the end of text wrapping.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Option imageOptions[] = {
    {u"画像代わりテキスト", u" alt=''"},
    {u"幅", u" width=''"},
    {u"高さ", u" height=''"},
    {u"枠線", u" border=''"},
    {u"画像とテキストの間隔（上下）", u" vspace=''"},
    {u"画像とテキストの間隔（左右）", u" hspace=''"},
};

// The two wrapping items name the side the text flows on; the image stands on the other.
constexpr Choice imageAlignments[] = {
    {u"上", u"top"},
    {u"中央", u"middle"},
    {u"下", u"bottom"},
    {u"右に回りこみ", u"left"},
    {u"左に回りこみ", u"right"},
};

constexpr Tag tags[] = {
    {.label = u"画像表示",
     .checks = imageOptions,
     .labels = {u"テキスト位置"},
     .combos = {imageAlignments},
     .open = u"<IMG src=''",
     .leads = {u" align='"},
     .close = u"'>"},
    {.label = u"テキスト回り込み解除", .open = clearWrapping},
};
static_assert(std::size(tags) == 2);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"IMG", .explanation = u"画像を表示します。src に画像ファイルの URL を書きます。"},
    {.elements = u"BR", .explanation = u"画像の横へのテキストの回り込みを解除します。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> imageTags()
{
    return tags;
}

std::span<const TagNotes> imageNotes()
{
    return notes;
}
