// SPDX-License-Identifier: GPL-3.0-or-later
// ベース設定: the page skeleton and the horizontal rule.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Option bodyOptions[] = {
    {u"背景色", u" bgcolor=''"},
    {u"背景画像", u" background=''"},
    {u"テキスト色", u" text=''"},
    {u"リンク色", u" link=''"},
    {u"動作中リンク色", u" alink=''"},
    {u"訪問済みリンク色", u" vlink=''"},
    {u"左余白", u" leftmargin=''"},
    {u"上余白", u" topmargin=''"},
};

constexpr Option ruleOptions[] = {
    {u"線の太さ", u" size=''"},
    {u"線の幅", u" width=''"},
    {u"影なし", u" noshade"},
    {u"色指定", u" color=''"},
};

// Seven lines, the BODY start tag carrying the ticked attributes.
QString pageMarkup(const Tag &tag, const PaletteState &state)
{
    const QString body = u"<BODY" + tickedAttributes(tag, state) + u'>';
    const QStringView lines[] = {
        u"<HTML><HEAD><TITLE>タイトル</TITLE>",
        u"</HEAD>",
        body,
        u"",
        u"<!--ここに本文-->",
        u"",
        u"</BODY></HTML>",
    };
    return joinLines(lines);
}

constexpr Tag tags[] = {
    {.label = u"ベース", .checks = bodyOptions, .markup = &pageMarkup},
    {.label = u"罫線",
     .checks = ruleOptions,
     .labels = {u"位置（左右）"},
     .combos = {positions},
     .open = u"<HR",
     .leads = {u" align='"},
     .close = u"'>"},
};
static_assert(std::size(tags) == 2);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"HTML HEAD TITLE BODY", .explanation = u"ページの骨組み（HTML・HEAD・TITLE・BODY）を書きます。チェックした項目は BODY の属性になります。"},
    {.elements = u"HR", .explanation = u"横線（水平線）を引きます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> baseTags()
{
    return tags;
}

std::span<const TagNotes> baseNotes()
{
    return notes;
}
