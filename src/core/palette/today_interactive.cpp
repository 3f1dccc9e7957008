// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › 開閉と対話: details, dialogs and popovers.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

namespace {

constexpr Option detailsOptions[] = {
    {u"初めから開く（open）", u" open"},
    {u"一つずつ開く名前（name）", uR"( name="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option dialogOptions[] = {
    {u"開いた状態（open）", u" open"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice closings[] = {
    {u"外側のクリックや Esc キーで閉じる（any）", u"any"},
    {u"Esc キーで閉じる（closerequest）", u"closerequest"},
    {u"スクリプトでだけ閉じる（none）", u"none"},
};

constexpr Choice popoverKinds[] = {
    {u"ほかを閉じる（auto）", u"auto"},
    {u"手で閉じる（manual）", u"manual"},
    {u"補助の表示（hint）", u"hint"},
};

// The button and the element it shows share one id, which the user writes twice.
QString popoverMarkup(const Tag &tag, const PaletteState &state)
{
    const QStringView kind = chosenWord(tag, state, 1);
    QString popover = QStringView(uR"(<div id="" popover)").toString();
    if (!kind.isEmpty())
        popover += uR"(=")" + kind + u'"';
    return uR"(<button type="button" popovertarget=""></button>)" + crlf + popover + u"></div>";
}

constexpr Tag tags[] = {
    {.label = u"開閉する詳細（details）", .checks = detailsOptions, .open = u"<details", .close = u">\r\n<summary></summary>\r\n\r\n</details>"},
    {.label = u"ダイアログ（dialog）",
     .checks = dialogOptions,
     .labels = {u"閉じ方（closedby）"},
     .combos = {closings},
     .open = u"<dialog",
     .leads = {uR"( closedby=")"},
     .close = u"></dialog>",
     .markup = &chosenOnlyMarkup},
    {.label = u"ポップオーバー（popover）", .labels = {u"種類（popover）"}, .combos = {popoverKinds}, .markup = &popoverMarkup},
};
static_assert(std::size(tags) == 3);

constexpr TagNotes notes[] = {
    {.elements = u"DETAILS SUMMARY", .explanation = u"クリックで開閉する詳細情報を書きます。summary が見出しです。", .words = u"アコーディオン 折りたたみ"},
    {.elements = u"DIALOG", .explanation = u"ダイアログ（小さな画面）を書きます。ふつうはスクリプトの showModal() で開きます。"},
    {.elements = u"BUTTON DIV", .explanation = u"ボタンで表示・非表示を切り替えるポップオーバーを書きます（popovertarget と id に同じ名前）。", .words = u"ポップアップ"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayInteractiveTags()
{
    return tags;
}

std::span<const TagNotes> todayInteractiveNotes()
{
    return notes;
}
