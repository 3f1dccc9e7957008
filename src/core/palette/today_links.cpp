// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › リンク: links to pages, places, mail and telephone.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

namespace {

constexpr Option linkOptions[] = {
    {u"ダウンロード（download）", u" download"},
    {u"リンク先の言語（hreflang）", uR"( hreflang="")"},
    {u"リンク先の形式（type）", uR"( type="")"},
    {u"補足（title）", uR"( title="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice relations[] = {
    {u"開いたページに元のページを渡さない（noopener）", u"noopener"},
    {u"参照元を送らない（noreferrer）", u"noreferrer"},
    {u"評価しない外部リンク（nofollow）", u"nofollow"},
    {u"外部のサイト（external）", u"external"},
    {u"次のページ（next）", u"next"},
    {u"前のページ（prev）", u"prev"},
    {u"ライセンス（license）", u"license"},
    {u"作者（author）", u"author"},
};

constexpr Tag tags[] = {
    {.label = u"リンク",
     .checks = linkOptions,
     .labels = {u"開く場所（target）", u"関係（rel）"},
     .combos = {targets, relations},
     .open = uR"(<a href="")",
     .leads = {uR"( target=")", uR"( rel=")"},
     .close = u"></a>",
     .markup = &chosenOnlyMarkup},
    {.label = u"ページ内のリンク", .checks = idClassOptions, .open = uR"(<a href="#")", .close = u"></a>"},
    {.label = u"メールのリンク", .checks = idClassOptions, .open = uR"(<a href="mailto:")", .close = u"></a>"},
    {.label = u"電話のリンク", .checks = idClassOptions, .open = uR"(<a href="tel:")", .close = u"></a>"},
};
static_assert(std::size(tags) == 4);

constexpr TagNotes notes[] = {
    {.elements = u"A", .explanation = u"ほかのページやファイルへのリンクを書きます。", .words = u"ハイパーリンク"},
    {.elements = u"A", .explanation = u"同じページの中の場所へのリンクを書きます（# に続けて行き先の id）。", .words = u"アンカー"},
    {.elements = u"A", .explanation = u"メールを書くリンクを書きます（mailto: に続けてアドレス）。", .words = u"メール mailto"},
    {.elements = u"A", .explanation = u"電話をかけるリンクを書きます（tel: に続けて番号）。", .words = u"電話 tel"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayLinkTags()
{
    return tags;
}

std::span<const TagNotes> todayLinkNotes()
{
    return notes;
}
