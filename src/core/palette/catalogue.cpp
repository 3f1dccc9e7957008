// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/catalogue.h"

#include "core/palette/categories.h"
#include "core/palette/todaycategories.h"
#include "core/settings/settingkeys.h"

using namespace Qt::StringLiterals;

std::span<const Category> catalogue()
{
    static const Category categories[] = {
        {u"ベース設定", baseTags(), baseNotes()},
        {u"テキスト", textTags(), textNotes()},
        {u"フォント", fontTags(), fontNotes()},
        {u"リスト", listTags(), listNotes()},
        {u"画像（イメージ）", imageTags(), imageNotes()},
        {u"リンク", linkTags(), linkNotes()},
        {u"フォーム", formTags(), formNotes()},
        {u"テーブル", tableTags(), tableNotes()},
        {u"フレーム", frameTags(), frameNotes()},
        {u"その他", otherTags(), otherNotes()},
        {u"JavaScript", scriptTags(), scriptNotes()},
    };
    return categories;
}

static std::span<const Category> todayCatalogue()
{
    static const Category categories[] = {
        {u"文書と head", todayHeadTags(), todayHeadNotes()},
        {u"セクション", todaySectionTags(), todaySectionNotes()},
        {u"まとまり", todayGroupingTags(), todayGroupingNotes()},
        {u"テキスト（ルビ）", todayTextTags(), todayTextNotes()},
        {u"リンク", todayLinkTags(), todayLinkNotes()},
        {u"画像とメディア", todayMediaTags(), todayMediaNotes()},
        {u"表", todayTableTags(), todayTableNotes()},
        {u"フォーム", todayFormTags(), todayFormNotes()},
        {u"開閉と対話", todayInteractiveTags(), todayInteractiveNotes()},
        {u"スクリプト", todayScriptTags(), todayScriptNotes()},
    };
    return categories;
}

std::span<const Category> catalogue(CatalogueChoice which)
{
    return which == CatalogueChoice::Today ? todayCatalogue() : catalogue();
}

CatalogueChoice storedCatalogue()
{
    return Settings::catalogue.value() == u"today"_s ? CatalogueChoice::Today : CatalogueChoice::Designed;
}

void storeCatalogue(CatalogueChoice which)
{
    Settings::catalogue.setValue(which == CatalogueChoice::Today ? u"today"_s : u"designed"_s);
}

// Only what the set-up shows can be set: what a hidden control holds never
// reaches the markup.
static PaletteState visibleOnly(const Tag &tag, PaletteState state)
{
    for (std::size_t i = 0; i < state.checks.size(); ++i) {
        if (i >= tag.checks.size() || tag.checks[i].caption.isEmpty())
            state.checks[i] = false;
    }
    for (std::size_t i = 0; i < state.combos.size(); ++i) {
        if (tag.combos[i].empty())
            state.combos[i] = -1;
    }
    return state;
}

std::optional<QString> paletteMarkup(int kind, int tagu, const PaletteState &state)
{
    return paletteMarkup(CatalogueChoice::Designed, kind, tagu, state);
}

std::optional<QString> paletteMarkup(CatalogueChoice which, int kind, int tagu, const PaletteState &state)
{
    const auto categories = catalogue(which);
    if (kind < 0 || kind >= int(categories.size()))
        return std::nullopt;
    const auto tags = categories[kind].tags;
    if (tagu < 0 || tagu >= int(tags.size()))
        return std::nullopt;
    const Tag &tag = tags[tagu];
    return tag.markup(tag, visibleOnly(tag, state));
}
