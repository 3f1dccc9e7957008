// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › スクリプト: scripts, what shows without them, templates and drawing.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

using namespace Qt::StringLiterals;

namespace {

// Each item is a whole attribute: the ways a script file can be run.
constexpr Choice scriptModes[] = {
    {u"ページを読み終えてから（defer）", u" defer"},
    {u"読み込みと並行して（async）", u" async"},
    {u"モジュール（type=\"module\"）", uR"( type="module")"},
    {u"モジュール・並行して（type=\"module\" async）", uR"( type="module" async)"},
};

constexpr Option fileScriptOptions[] = {
    {u"改ざんの確認（integrity）", uR"( integrity="")", 0, u"integrity に sha384- で始まるハッシュ値を書き、crossorigin も加えます。"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option inlineScriptOptions[] = {
    {u"モジュール（type=\"module\"）", uR"( type="module")"},
};

constexpr Option canvasOptions[] = {
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option templateOptions[] = {
    {u"ID（id）", uR"( id="")"},
};

// integrity needs the file fetched in CORS mode, so crossorigin comes with it.
QString fileScriptMarkup(const Tag &tag, const PaletteState &state)
{
    QString markup = chosenOnlyMarkup(tag, state);
    if (state.ticked(1))
        markup.replace(uR"( integrity="")"_s, uR"( integrity="" crossorigin="anonymous")"_s);
    return markup;
}

constexpr Tag tags[] = {
    {.label = u"スクリプトのファイル",
     .checks = fileScriptOptions,
     .labels = {u"実行の仕方"},
     .combos = {scriptModes},
     .open = uR"(<script src="")",
     .close = u"></script>",
     .markup = &fileScriptMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"ページの中のスクリプト", .checks = inlineScriptOptions, .open = u"<script", .close = u">\r\n\r\n</script>"},
    {.label = u"スクリプトが動かないとき（noscript）", .open = u"<noscript></noscript>"},
    {.label = u"複製する型（template）", .checks = templateOptions, .open = u"<template", .close = u"></template>"},
    {.label = u"描く領域（canvas）", .checks = canvasOptions, .ticked = box(1) | box(2), .open = u"<canvas", .close = u"></canvas>"},
};
static_assert(std::size(tags) == 5);

constexpr TagNotes notes[] = {
    {.elements = u"SCRIPT", .explanation = u"JavaScript のファイルを読み込みます（defer・async・モジュールから選びます）。", .words = u"JavaScript js module"},
    {.elements = u"SCRIPT", .explanation = u"ページの中に JavaScript を書きます。", .words = u"JavaScript js"},
    {.elements = u"NOSCRIPT", .explanation = u"スクリプトが動かないときにだけ表示する内容を書きます。"},
    {.elements = u"TEMPLATE", .explanation = u"スクリプトで複製して使う HTML の型を書きます（そのままでは表示されません）。"},
    {.elements = u"CANVAS", .explanation = u"スクリプトで絵やグラフを描く領域を作ります。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayScriptTags()
{
    return tags;
}

std::span<const TagNotes> todayScriptNotes()
{
    return notes;
}
