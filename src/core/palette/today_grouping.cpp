// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › まとまり: paragraphs, lists, quotations, figures and blocks.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

namespace {

constexpr Option quoteOptions[] = {
    {u"引用元の URL（cite）", uR"( cite="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option orderedOptions[] = {
    {u"逆順（reversed）", u" reversed"},
    {u"最初の番号（start）", uR"( start="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice numberings[] = {
    {u"1, 2, 3", u"1"},
    {u"a, b, c", u"a"},
    {u"A, B, C", u"A"},
    {u"i, ii, iii", u"i"},
    {u"I, II, III", u"I"},
};

constexpr Option figureOptions[] = {
    {u"説明文（figcaption）", u"\r\n<figcaption></figcaption>", 0, u"図の下に説明文（キャプション）を加えます。"},
};

QString figureMarkup(const Tag &tag, const PaletteState &state)
{
    return uR"(<figure>)" + crlf + uR"(<img src="" alt="">)" + tickedAttributes(tag, state) + crlf + u"</figure>";
}

constexpr Tag tags[] = {
    {.label = u"段落（p）", .checks = commonOptions, .open = u"<p", .close = u"></p>"},
    {.label = u"改行（br）", .open = u"<br>"},
    {.label = u"話題の区切り（hr）", .open = u"<hr>"},
    {.label = u"整形済み（pre）", .checks = idClassOptions, .open = u"<pre", .close = u"></pre>"},
    {.label = u"長い引用（blockquote）", .checks = quoteOptions, .open = u"<blockquote", .close = u"></blockquote>"},
    {.label = u"番号なしリスト（ul）", .checks = idClassOptions, .open = u"<ul", .close = u">\r\n<li></li>\r\n<li></li>\r\n</ul>"},
    {.label = u"番号付きリスト（ol）",
     .checks = orderedOptions,
     .labels = {u"番号の種類（type）"},
     .combos = {numberings},
     .open = u"<ol",
     .leads = {uR"( type=")"},
     .close = u">\r\n<li></li>\r\n<li></li>\r\n</ol>",
     .markup = &chosenOnlyMarkup},
    {.label = u"リストの項目（li）", .checks = idClassOptions, .open = u"<li", .close = u"></li>"},
    {.label = u"説明リスト（dl）", .checks = idClassOptions, .open = u"<dl", .close = u">\r\n<dt></dt>\r\n<dd></dd>\r\n</dl>"},
    {.label = u"操作の一覧（menu）", .checks = idClassOptions, .open = u"<menu", .close = u">\r\n<li></li>\r\n</menu>"},
    {.label = u"図と説明（figure）", .checks = figureOptions, .ticked = box(1), .markup = &figureMarkup},
    {.label = u"ブロック（div）", .checks = commonOptions, .open = u"<div", .close = u"></div>"},
};
static_assert(std::size(tags) == 12);

constexpr TagNotes notes[] = {
    {.elements = u"P", .explanation = u"段落を書きます。"},
    {.elements = u"BR", .explanation = u"行を改めます（詩や住所など、改行に意味があるところで）。", .words = u"改行"},
    {.elements = u"HR", .explanation = u"話題の区切りを入れます（横線で表示されます）。", .words = u"罫線 横線"},
    {.elements = u"PRE", .explanation = u"空白や改行を書いたとおりに表示します。"},
    {.elements = u"BLOCKQUOTE", .explanation = u"ほかから引用した段落を囲みます。", .words = u"引用"},
    {.elements = u"UL LI", .explanation = u"番号なしのリスト（箇条書き）を書きます。", .words = u"リスト 箇条書き"},
    {.elements = u"OL LI", .explanation = u"番号付きのリストを書きます。", .words = u"リスト"},
    {.elements = u"LI", .explanation = u"リストの項目を一つ加えます。"},
    {.elements = u"DL DT DD", .explanation = u"用語と説明の組を並べる説明リストを書きます。"},
    {.elements = u"MENU LI", .explanation = u"ツールバーなど操作の一覧を書きます。"},
    {.elements = u"FIGURE IMG FIGCAPTION", .explanation = u"図や写真に説明文を添えます。", .words = u"キャプション 画像"},
    {.elements = u"DIV", .explanation = u"意味を持たないブロックで囲み、CSS でまとめて整えます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayGroupingTags()
{
    return tags;
}

std::span<const TagNotes> todayGroupingNotes()
{
    return notes;
}
