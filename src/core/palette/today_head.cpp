// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › 文書と head: the page skeleton and what goes into <head>.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

#include <QList>

namespace {

constexpr Option pageOptions[] = {
    {u"ページの説明（description）", uR"(<meta name="description" content="">)", 0, u"検索結果などに出るページの説明を書く meta を加えます。"},
    {u"スタイルシート", uR"(<link rel="stylesheet" href="">)", 0, u"外部の CSS ファイルを読み込む link を加えます。"},
    {u"アイコン（favicon）", uR"(<link rel="icon" href="">)", 0, u"タブに表示するアイコンの link を加えます。"},
    {u"スクリプト（defer）", uR"(<script src="" defer></script>)", 0, u"ページを読み終えてから実行する外部スクリプトを加えます。"},
};

// The skeleton, one element a line; <meta charset> learns the page's encoding
// when it is inserted (withCharset), and the caret can land in <title>.
QString pageMarkup(const Tag &tag, const PaletteState &state)
{
    QList<QStringView> lines = {
        u"<!DOCTYPE html>",
        uR"(<html lang="ja">)",
        u"<head>",
        uR"(<meta charset="">)",
        uR"(<meta name="viewport" content="width=device-width, initial-scale=1">)",
        u"<title></title>",
    };
    for (int n = 1; n <= int(tag.checks.size()); ++n) {
        if (state.ticked(n))
            lines << tag.checks[n - 1].written;
    }
    lines << u"</head>" << u"<body>" << u"" << u"</body>" << u"</html>";
    return joinLines(lines);
}

constexpr Choice metaNames[] = {
    {u"説明（description）", u"description"},
    {u"作者（author）", u"author"},
    {u"検索エンジンへの指示（robots）", u"robots"},
    {u"テーマの色（theme-color）", u"theme-color"},
    {u"配色（color-scheme）", u"color-scheme"},
    {u"参照元の送り方（referrer）", u"referrer"},
    {u"作成したソフト（generator）", u"generator"},
};

constexpr Choice linkRelations[] = {
    {u"アイコン（icon）", u"icon"},
    {u"マニフェスト（manifest）", u"manifest"},
    {u"正式な URL（canonical）", u"canonical"},
    {u"別の版（alternate）", u"alternate"},
    {u"先に接続（preconnect）", u"preconnect"},
    {u"先読み（prefetch）", u"prefetch"},
    {u"DNS の先読み（dns-prefetch）", u"dns-prefetch"},
    {u"モジュールの先読み（modulepreload）", u"modulepreload"},
    {u"作者（author）", u"author"},
    {u"ライセンス（license）", u"license"},
};

constexpr Option stylesheetOptions[] = {
    {u"画面の条件（media）", uR"( media="")"},
    {u"タイトル（title）", uR"( title="")"},
};

constexpr Option linkOptions[] = {
    {u"形式（type）", uR"( type="")"},
    {u"画面の条件（media）", uR"( media="")"},
    {u"言語（hreflang）", uR"( hreflang="")"},
};

constexpr Option styleOptions[] = {
    {u"画面の条件（media）", uR"( media="")"},
};

constexpr Tag tags[] = {
    {.label = u"ページの骨組み", .checks = pageOptions, .markup = &pageMarkup},
    {.label = u"タイトル", .open = u"<title></title>"},
    {.label = u"文字コード", .open = uR"(<meta charset="">)"},
    {.label = u"表示領域（viewport）", .open = uR"(<meta name="viewport" content="width=device-width, initial-scale=1">)"},
    {.label = u"ページの情報（meta）",
     .labels = {u"情報の種類（name）"},
     .combos = {metaNames},
     .open = u"<meta",
     .leads = {uR"( name=")"},
     .close = uR"(" content="">)",
     .chosen = {0, -1, -1}},
    {.label = u"スタイルシート", .checks = stylesheetOptions, .open = uR"(<link rel="stylesheet" href="")", .close = u">"},
    {.label = u"関連ファイル（link）",
     .checks = linkOptions,
     .labels = {u"関係（rel）"},
     .combos = {linkRelations},
     .open = u"<link",
     .leads = {uR"( rel=")"},
     .close = uR"(" href="">)",
     .chosen = {0, -1, -1}},
    {.label = u"スタイル（style）", .checks = styleOptions, .open = u"<style", .close = u">\r\n\r\n</style>"},
    {.label = u"基準の URL（base）",
     .labels = {u"リンクを開く場所（target）"},
     .combos = {targets},
     .open = uR"(<base href="")",
     .leads = {uR"( target=")"},
     .close = u">",
     .markup = &chosenOnlyMarkup},
};
static_assert(std::size(tags) == 9);

constexpr TagNotes notes[] = {
    {.elements = u"HTML HEAD META TITLE BODY", .explanation = u"今の HTML のページの骨組みを書きます（<!DOCTYPE html>、lang=\"ja\"、文字コード、viewport）。", .words = u"ベース DOCTYPE"},
    {.elements = u"TITLE", .explanation = u"ページのタイトルを書きます（タブや検索結果に表示されます）。"},
    {.elements = u"META", .explanation = u"ページの文字コードを書きます（いま開いているページの文字コードが入ります）。", .words = u"charset"},
    {.elements = u"META", .explanation = u"スマートフォンで画面の幅に合わせて表示させる meta を書きます。", .words = u"viewport スマートフォン"},
    {.elements = u"META", .explanation = u"ページの説明や作者などの情報を書きます。"},
    {.elements = u"LINK", .explanation = u"外部の CSS ファイルを読み込みます。", .words = u"CSS stylesheet"},
    {.elements = u"LINK", .explanation = u"アイコンや正式な URL など、ページに関係するファイルを結び付けます。", .words = u"favicon icon"},
    {.elements = u"STYLE", .explanation = u"ページの中に CSS を書きます。", .words = u"CSS"},
    {.elements = u"BASE", .explanation = u"相対 URL の基準と、リンクを開く既定の場所を決めます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayHeadTags()
{
    return tags;
}

std::span<const TagNotes> todayHeadNotes()
{
    return notes;
}
