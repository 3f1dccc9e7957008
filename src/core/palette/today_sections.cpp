// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › セクション: the parts of a page and its headings.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

namespace {

constexpr Choice headingLevels[] = {
    {u"１（h1、最大）", u"1"},
    {u"２（h2）", u"2"},
    {u"３（h3）", u"3"},
    {u"４（h4）", u"4"},
    {u"５（h5）", u"5"},
    {u"６（h6、最小）", u"6"},
};

// A heading always has a level: the set-up chooses h2, and the end tag
// carries the same digit as the start tag.
QString headingMarkup(const Tag &tag, const PaletteState &state)
{
    const QStringView level = chosenOrPreset(tag, state, 1);
    return u"<h" + level + tickedAttributes(tag, state) + u"></h" + level + u'>';
}

constexpr Tag tags[] = {
    {.label = u"見出し",
     .checks = idClassOptions,
     .labels = {u"見出しレベル"},
     .combos = {headingLevels},
     .markup = &headingMarkup,
     .chosen = {1, -1, -1}},
    {.label = u"見出しと副題（hgroup）", .checks = idClassOptions, .open = u"<hgroup", .close = u">\r\n<h1></h1>\r\n<p></p>\r\n</hgroup>"},
    {.label = u"ヘッダー（header）", .checks = commonOptions, .open = u"<header", .close = u"></header>"},
    {.label = u"ナビゲーション（nav）", .checks = commonOptions, .open = u"<nav", .close = u"></nav>"},
    {.label = u"主な内容（main）", .checks = commonOptions, .open = u"<main", .close = u"></main>"},
    {.label = u"記事（article）", .checks = commonOptions, .open = u"<article", .close = u"></article>"},
    {.label = u"節（section）", .checks = commonOptions, .open = u"<section", .close = u"></section>"},
    {.label = u"補足・サイドバー（aside）", .checks = commonOptions, .open = u"<aside", .close = u"></aside>"},
    {.label = u"フッター（footer）", .checks = commonOptions, .open = u"<footer", .close = u"></footer>"},
    {.label = u"連絡先（address）", .checks = commonOptions, .open = u"<address", .close = u"></address>"},
    {.label = u"検索の部分（search）", .checks = commonOptions, .open = u"<search", .close = u"></search>"},
};
static_assert(std::size(tags) == 11);

constexpr TagNotes notes[] = {
    {.elements = u"H1 H2 H3 H4 H5 H6", .explanation = u"見出しを書きます。レベル１がページの題、２以下が章や節の見出しです。"},
    {.elements = u"HGROUP H1 P", .explanation = u"見出しと副題をひとまとめにします。"},
    {.elements = u"HEADER", .explanation = u"ページや節の冒頭部分（ロゴ・題・ナビゲーション）を囲みます。"},
    {.elements = u"NAV", .explanation = u"主なナビゲーション（メニュー・目次・パンくずリスト）を囲みます。", .words = u"メニュー"},
    {.elements = u"MAIN", .explanation = u"ページの主な内容を囲みます（一つのページに一つ）。"},
    {.elements = u"ARTICLE", .explanation = u"それだけで完結する記事（ブログ記事・ニュース・投稿）を囲みます。"},
    {.elements = u"SECTION", .explanation = u"見出しを持つひとまとまりの節を囲みます。"},
    {.elements = u"ASIDE", .explanation = u"本文から外れた補足や、サイドバーを囲みます。"},
    {.elements = u"FOOTER", .explanation = u"ページや節の末尾部分（著作権表示・連絡先）を囲みます。"},
    {.elements = u"ADDRESS", .explanation = u"ページや記事の書き手への連絡先を書きます。"},
    {.elements = u"SEARCH", .explanation = u"検索フォームや絞り込みの部分を囲みます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todaySectionTags()
{
    return tags;
}

std::span<const TagNotes> todaySectionNotes()
{
    return notes;
}
