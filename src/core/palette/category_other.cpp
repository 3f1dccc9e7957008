// SPDX-License-Identifier: GPL-3.0-or-later
// その他: content played by a browser plug-in, and what shows without it.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

// The playback switches carry the fixed value "true".
constexpr Option embedOptions[] = {
    {u"プラグイン幅指定", u" width=''"},
    {u"プラグイン高さ指定", u" height=''"},
    {u"自動再生", u" autostart='true'"},
    {u"ループ再生", u" loop='true'"},
};

constexpr Tag tags[] = {
    {.label = u"ﾌﾟﾗｸﾞｲﾝを利用(BGM等)", .checks = embedOptions, .open = u"<EMBED src=''", .close = u">"},
    {.label = u"未対応時の表示", .open = u"<NOEMBED></NOEMBED>"},
};
static_assert(std::size(tags) == 2);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"EMBED", .explanation = u"音楽や動画などをプラグインで再生します（BGM など）。"},
    {.elements = u"NOEMBED", .explanation = u"プラグインを使えないときに見せる内容を書きます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> otherTags()
{
    return tags;
}

std::span<const TagNotes> otherNotes()
{
    return notes;
}
