// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › テキスト: the words inside a paragraph, ruby included.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

using namespace Qt::StringLiterals;

namespace {

constexpr Option rubyOptions[] = {
    {u"括弧（rp）", u"", 0, u"ルビに対応しない環境では読みを括弧に入れて表示させます。"},
};

// The reading goes between <rt> and </rt>; the text it reads, before <rt>.
QString rubyMarkup(const Tag &, const PaletteState &state)
{
    if (state.ticked(1))
        return u"<ruby><rp>（</rp><rt></rt><rp>）</rp></ruby>"_s;
    return u"<ruby><rt></rt></ruby>"_s;
}

constexpr Option quoteOptions[] = {
    {u"引用元の URL（cite）", uR"( cite="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option editOptions[] = {
    {u"理由の URL（cite）", uR"( cite="")"},
    {u"日時（datetime）", uR"( datetime="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option classOption[] = {
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option spanOptions[] = {
    {u"クラス（class）", uR"( class="")"},
    {u"ID（id）", uR"( id="")"},
    {u"補足（title）", uR"( title="")"},
    {u"言語（lang）", uR"( lang="")"},
};

constexpr Choice directions[] = {
    {u"左から右（ltr）", u"ltr"},
    {u"右から左（rtl）", u"rtl"},
};

constexpr Tag tags[] = {
    {.label = u"ルビ（ruby）", .checks = rubyOptions, .ticked = box(1), .markup = &rubyMarkup},
    {.label = u"強調（em）", .checks = classOption, .open = u"<em", .close = u"></em>"},
    {.label = u"重要（strong）", .checks = classOption, .open = u"<strong", .close = u"></strong>"},
    {.label = u"注記・細則（small）", .checks = classOption, .open = u"<small", .close = u"></small>"},
    {.label = u"目立たせる（mark）", .checks = classOption, .open = u"<mark", .close = u"></mark>"},
    {.label = u"正しくなくなった内容（s）", .checks = classOption, .open = u"<s", .close = u"></s>"},
    {.label = u"作品名（cite）", .checks = classOption, .open = u"<cite", .close = u"></cite>"},
    {.label = u"短い引用（q）", .checks = quoteOptions, .open = u"<q", .close = u"></q>"},
    {.label = u"用語の定義（dfn）", .checks = classOption, .open = u"<dfn", .close = u"></dfn>"},
    {.label = u"略語（abbr）", .open = uR"(<abbr title="">)", .close = u"</abbr>"},
    {.label = u"値を添える（data）", .open = uR"(<data value="">)", .close = u"</data>"},
    {.label = u"日付・時刻（time）", .open = uR"(<time datetime="">)", .close = u"</time>"},
    {.label = u"コード（code）", .checks = classOption, .open = u"<code", .close = u"></code>"},
    {.label = u"キーボード入力（kbd）", .open = u"<kbd></kbd>"},
    {.label = u"出力の例（samp）", .open = u"<samp></samp>"},
    {.label = u"変数（var）", .open = u"<var></var>"},
    {.label = u"下付き（sub）", .open = u"<sub></sub>"},
    {.label = u"上付き（sup）", .open = u"<sup></sup>"},
    {.label = u"別の調子（i）", .checks = spanOptions, .open = u"<i", .close = u"></i>"},
    {.label = u"注意を引く（b）", .checks = classOption, .open = u"<b", .close = u"></b>"},
    {.label = u"注記の下線（u）", .checks = classOption, .open = u"<u", .close = u"></u>"},
    {.label = u"追加（ins）", .checks = editOptions, .open = u"<ins", .close = u"></ins>"},
    {.label = u"削除（del）", .checks = editOptions, .open = u"<del", .close = u"></del>"},
    {.label = u"範囲（span）", .checks = spanOptions, .open = u"<span", .close = u"></span>"},
    {.label = u"書字方向の分離（bdi）", .open = u"<bdi></bdi>"},
    {.label = u"書字方向の指定（bdo）",
     .labels = {u"方向（dir）"},
     .combos = {directions},
     .open = u"<bdo",
     .leads = {uR"( dir=")"},
     .close = u"\"></bdo>",
     .chosen = {0, -1, -1}},
    {.label = u"改行してよい位置（wbr）", .open = u"<wbr>"},
};
static_assert(std::size(tags) == 27);

constexpr TagNotes notes[] = {
    {.elements = u"RUBY RT RP", .explanation = u"漢字などにルビ（ふりがな）を振ります。<ruby> の直後に文字を、<rt> に読みを書きます。", .words = u"ふりがな 振り仮名 ルビ"},
    {.elements = u"EM", .explanation = u"読むときに力を込める部分を強調します。"},
    {.elements = u"STRONG", .explanation = u"重要な部分を示します（太字で表示されます）。", .words = u"太字"},
    {.elements = u"SMALL", .explanation = u"注記や細則（著作権表示など）を書きます。"},
    {.elements = u"MARK", .explanation = u"検索語など、目立たせたい部分に印を付けます（蛍光ペン）。"},
    {.elements = u"S", .explanation = u"もう正しくない内容を示します（取り消し線）。", .words = u"取り消し線"},
    {.elements = u"CITE", .explanation = u"本・映画・曲などの作品名を書きます。"},
    {.elements = u"Q", .explanation = u"文中の短い引用を書きます（引用符が付きます）。"},
    {.elements = u"DFN", .explanation = u"その場で定義する用語を示します。"},
    {.elements = u"ABBR", .explanation = u"略語を書き、title に正式な名前を書きます。"},
    {.elements = u"DATA", .explanation = u"内容に機械が読める値（商品番号など）を添えます。"},
    {.elements = u"TIME", .explanation = u"日付や時刻を書き、datetime に機械が読める形（2024-04-01 など）を書きます。", .words = u"日付"},
    {.elements = u"CODE", .explanation = u"プログラムのコードを書きます。"},
    {.elements = u"KBD", .explanation = u"キーボードなどから入力する内容を書きます。"},
    {.elements = u"SAMP", .explanation = u"プログラムの出力の例を書きます。"},
    {.elements = u"VAR", .explanation = u"変数や数式の文字を書きます。"},
    {.elements = u"SUB", .explanation = u"下付き文字（H₂O の２など）を書きます。"},
    {.elements = u"SUP", .explanation = u"上付き文字（x² の２など）を書きます。"},
    {.elements = u"I", .explanation = u"学名・外国語・心の声など、ふだんと違う調子の文字列を書きます（斜体）。", .words = u"斜体"},
    {.elements = u"B", .explanation = u"重要ではないが注意を引きたい文字列（製品名・キーワードなど）を書きます。"},
    {.elements = u"U", .explanation = u"誤字の指摘など、はっきりしない注記を示します（下線）。", .words = u"下線"},
    {.elements = u"INS", .explanation = u"あとから追加した部分を示します。"},
    {.elements = u"DEL", .explanation = u"削除した部分を示します。"},
    {.elements = u"SPAN", .explanation = u"意味を持たない範囲で囲み、CSS で整えます。"},
    {.elements = u"BDI", .explanation = u"書字方向をまわりと切り離します（アラビア語の名前など）。"},
    {.elements = u"BDO", .explanation = u"書字方向を指定して表示します。"},
    {.elements = u"WBR", .explanation = u"長い英単語や URL の、改行してよい位置を示します。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayTextTags()
{
    return tags;
}

std::span<const TagNotes> todayTextNotes()
{
    return notes;
}
