// SPDX-License-Identifier: GPL-3.0-or-later
// フレーム: frame set, frame, content without frames and inline frame; every
// element with its end tag.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

// The same item texts write different values in a border and a scrolling combo.
constexpr Choice borders[] = {
    {u"表示", u"1"},
    {u"非表示", u"0"},
};

constexpr Choice scrolling[] = {
    {u"自動", u"auto"},
    {u"表示", u"yes"},
    {u"非表示", u"no"},
};

constexpr Option frameSetOptions[] = {
    {u"横に分割", u" rows=''"},
    {u"縦に分割", u" cols=''"},
    {u"境界線の幅指定", u" border=''"},
    {u"境界線の色指定", u" bordercolor=''"},
};

constexpr Option frameOptions[] = {
    {u"サイズ変更の禁止", u" noresize"},
    {u"境界線の色指定", u" bordercolor=''"},
    {u"左右の余白", u" marginwidth=''"},
    {u"上下の余白", u" marginheight=''"},
    {u"フレーム名指定", u" name=''"},
};

constexpr Option inlineFrameOptions[] = {
    {u"フレーム名指定", u" name=''"},
    {u"幅指定", u" width=''"},
    {u"高さ指定", u" height=''"},
    {u"左右の余白", u" marginwidth=''"},
    {u"上下の余白", u" marginheight=''"},
};

constexpr Tag tags[] = {
    {.label = u"フレーム作成",
     .checks = frameSetOptions,
     .labels = {u"境界線の有無"},
     .combos = {borders},
     .open = u"<FRAMESET",
     .leads = {u" frameborder='"},
     .close = u"'></FRAMESET>"},
    {.label = u"表示ファイル指定",
     .checks = frameOptions,
     .labels = {u"境界線の有無", u"スクロールの有無"},
     .combos = {borders, scrolling},
     .open = u"<FRAME src=''",
     .leads = {u" frameborder='", u"' scrolling='"},
     .close = u"'></FRAME>"},
    {.label = u"未対応時の表示", .open = u"<NOFRAMES></NOFRAMES>"},
    {.label = u"インラインフレーム",
     .checks = inlineFrameOptions,
     .labels = {u"スクロールの有無", u"枠の有無", u"テキストの回り込み"},
     .combos = {scrolling, borders, textSides},
     .open = u"<IFRAME src=''",
     .leads = {u" scrolling='", u"' frameborder='", u"' align='"},
     .close = u"'></IFRAME>"},
};
static_assert(std::size(tags) == 4);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"FRAMESET", .explanation = u"画面をいくつかのフレームに分割します。"},
    {.elements = u"FRAME", .explanation = u"フレームに表示するファイルを指定します。"},
    {.elements = u"NOFRAMES", .explanation = u"フレームを表示できないブラウザに見せる内容を書きます。"},
    {.elements = u"IFRAME", .explanation = u"ページの中に別のページを表示する枠（インラインフレーム）を作ります。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> frameTags()
{
    return tags;
}

std::span<const TagNotes> frameNotes()
{
    return notes;
}
