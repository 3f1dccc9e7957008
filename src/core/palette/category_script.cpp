// SPDX-License-Identifier: GPL-3.0-or-later
// JavaScript: ready-made date scripts and the expression of a link that does nothing.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

#include <vector>

namespace {

using ScriptBody = std::span<const QStringView>;

constexpr QStringView lastModifiedAsGiven[] = {
    u"document.write(document.lastModified);",
};

constexpr QStringView lastModifiedAsDate[] = {
    u"myDate = new Date(document.lastModified);",
    u"y = myDate.getFullYear();",
    u"m = myDate.getMonth()+1;",
    u"d = myDate.getDate();",
    u"document.write(y,'年',m,'月',d,'日');",
};

constexpr QStringView nowInLocalFormat[] = {
    u"date = new Date();",
    u"document.write(date.toLocaleString());",
};

constexpr QStringView nowPieceByPiece[] = {
    u"weeks = new Array('日','月','火','水','木','金','土');",
    u"date = new Date();",
    u"y = date.getFullYear();",
    u"m = date.getMonth()+1;",
    u"d = date.getDate();",
    u"dy = weeks[date.getDay()];",
    u"h = date.getHours();",
    u"mi = date.getMinutes();",
    u"s = date.getSeconds();",
    u"document.write(y,'年');",
    u"document.write(m,'月');",
    u"document.write(d,'日');",
    u"document.write(dy,'曜日');",
    u"document.write(h,'時');",
    u"document.write(mi,'分');",
    u"document.write(s,'秒です');",
};

// The script each format box writes, by box.
constexpr ScriptBody lastModifiedScripts[] = {lastModifiedAsGiven, lastModifiedAsDate};
constexpr ScriptBody nowScripts[] = {nowInLocalFormat, nowPieceByPiece};

constexpr Option lastModifiedFormats[] = {
    {.caption = u"m/d/y h:m:s", .tip = u"ブラウザが返すままの形式で表示するスクリプトを書きます。"},
    {.caption = u"年月日", .tip = u"「2024年1月2日」の形式で表示するスクリプトを書きます。"},
};

constexpr Option nowFormats[] = {
    {.caption = u"年月日 h:m:s", .tip = u"その地域の形式で日時を表示するスクリプトを書きます。"},
    {.caption = u"年月日曜日時分秒", .tip = u"「2024年1月2日火曜日10時5分3秒です」の形式で表示するスクリプトを書きます。"},
};

QString scriptBlock(ScriptBody body)
{
    std::vector<QStringView> lines{u"<Script Language='JavaScript'>", u"<!--"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.insert(lines.end(), {u"//-->", u"</Script>"});
    return joinLines(lines);
}

// A script replaces whatever an earlier box set, so with both boxes ticked the
// second one's script stands alone.
template <const auto &scripts>
QString scriptMarkup(const Tag &, const PaletteState &state)
{
    QString written;
    for (std::size_t i = 0; i < std::size(scripts); ++i) {
        if (state.ticked(int(i) + 1))
            written = scriptBlock(scripts[i]);
    }
    return written;
}

constexpr Tag tags[] = {
    {.label = u"最終更新日", .checks = lastModifiedFormats, .markup = &scriptMarkup<lastModifiedScripts>},
    {.label = u"現在日時", .checks = nowFormats, .markup = &scriptMarkup<nowScripts>},
    {.label = u"リンク無効化", .labels = {u"<a>の属性に指定"}, .open = u"JavaScript:void(0)"},
};
static_assert(std::size(tags) == 3);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"SCRIPT", .explanation = u"ページの最終更新日を表示するスクリプトを書きます。"},
    {.elements = u"SCRIPT", .explanation = u"ページを開いたときの日時を表示するスクリプトを書きます。"},
    {.elements = u"", .explanation = u"リンクの href に書くと、クリックしても何も起こらないリンクになります。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> scriptTags()
{
    return tags;
}

std::span<const TagNotes> scriptNotes()
{
    return notes;
}
