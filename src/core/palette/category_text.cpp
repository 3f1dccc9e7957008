// SPDX-License-Identifier: GPL-3.0-or-later
// テキスト: headings, paragraphs, breaks and text blocks.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

// Full-width digits in the list, half-width in the markup.
constexpr Choice headingLevels[] = {
    {u"１（最大）", u"1"},
    {u"２", u"2"},
    {u"３", u"3"},
    {u"４", u"4"},
    {u"５", u"5"},
    {u"６（最小）", u"6"},
};

constexpr Option marqueeOptions[] = {
    {u"高さ", u" height=''"},
    {u"幅", u" width=''"},
    {u"左右の余白", u" hspace=''"},
    {u"上下の余白", u" vspace=''"},
    {u"ループ回数", u" loop=''"},
    {u"再描画までの時間", u" scrolldelay=''"},
    {u"再描画までの距離", u" scrollamount=''"},
    {u"背景色", u" bgcolor=''"},
};

constexpr Choice marqueeBehaviours[] = {
    {u"繰り返し", u"scroll"},
    {u"往復", u"alternate"},
    {u"端で停止", u"slide"},
};

constexpr Choice marqueeDirections[] = {
    {u"左", u"left"},
    {u"右", u"right"},
};

// The end tag carries the same level digit as the start tag, none when no level is chosen.
QString headingMarkup(const Tag &tag, const PaletteState &state)
{
    const QStringView level = chosenWord(tag, state, 1);
    return u"<H" + level + u" align='" + chosenWord(tag, state, 2) + u"'></H" + level + u'>';
}

constexpr Tag tags[] = {
    {.label = u"見出し",
     .labels = {u"見出しレベル", u"位置（左右）"},
     .combos = {headingLevels, positions},
     .markup = &headingMarkup},
    {.label = u"段落",
     .labels = {u"位置（左右）"},
     .combos = {positions},
     .open = u"<P",
     .leads = {u" align='"},
     .close = u"'>"},
    {.label = u"改行", .open = u"<BR>"},
    {.label = u"改行禁止", .open = u"<NOBR></NOBR>"},
    {.label = u"位置指定",
     .labels = {u"位置（左右）"},
     .combos = {positions},
     .open = u"<DIV",
     .leads = {u" align='"},
     .close = u"'>"},
    {.label = u"センタリング", .open = u"<CENTER></CENTER>"},
    {.label = u"そのまま表示", .open = u"<PRE></PRE>"},
    {.label = u"長文引用", .open = u"<BLOCKQUOTE></BLOCKQUOTE>"},
    {.label = u"スクロール",
     .checks = marqueeOptions,
     .labels = {u"動き方", u"方向"},
     .combos = {marqueeBehaviours, marqueeDirections},
     .open = u"<MARQUEE",
     .leads = {u" behavior='", u"' direction='"},
     .close = u"'>"},
};
static_assert(std::size(tags) == 9);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"H1 H2 H3 H4 H5 H6", .explanation = u"見出しを書きます。レベル１が最も大きな見出しです。"},
    {.elements = u"P", .explanation = u"段落を始めます。"},
    {.elements = u"BR", .explanation = u"行を改めます（改行）。"},
    {.elements = u"NOBR", .explanation = u"囲んだ文字列を途中で改行させません。"},
    {.elements = u"DIV", .explanation = u"ブロックを作り、左右の位置を指定します。"},
    {.elements = u"CENTER", .explanation = u"囲んだ内容を中央に寄せます。"},
    {.elements = u"PRE", .explanation = u"空白や改行を書いたとおりに表示します（整形済みテキスト）。"},
    {.elements = u"BLOCKQUOTE", .explanation = u"長い引用文を字下げして表示します。"},
    {.elements = u"MARQUEE", .explanation = u"文字列を横に流して表示します。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> textTags()
{
    return tags;
}

std::span<const TagNotes> textNotes()
{
    return notes;
}
