// SPDX-License-Identifier: GPL-3.0-or-later
// リンク: hyperlink, named anchor and mail link.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Option linkOptions[] = {
    {u"リンク先フレーム指定", u" target=''"},
};

// The subject query goes inside the quoted address, its value left for the user.
constexpr Option mailOptions[] = {
    {u"件名指定", u"?subject="},
};

constexpr Tag tags[] = {
    {.label = u"リンク作成", .checks = linkOptions, .open = u"<A href=''", .close = u"></A>"},
    {.label = u"ページ内場所指定", .open = u"<A name=''>"},
    {.label = u"メール送信",
     .checks = mailOptions,
     .open = u"<A href='mailto:メールアドレス",
     .close = u"'>"},
};
static_assert(std::size(tags) == 3);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"A", .explanation = u"他のページへのリンクを作ります。href にリンク先の URL を書きます。"},
    {.elements = u"A", .explanation = u"ページ内のリンク先となる場所に名前を付けます。"},
    {.elements = u"A", .explanation = u"クリックするとメールソフトが開くリンクを作ります。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> linkTags()
{
    return tags;
}

std::span<const TagNotes> linkNotes()
{
    return notes;
}
