// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › 表: a table with its caption and header row, and its parts.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

constexpr Option tableOptions[] = {
    {u"表題（caption）", u"", 0, u"表の表題を加えます。"},
    {u"見出しの行（thead）", u"", 0, u"見出しのセル（th）の行を thead にまとめて加えます。"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

// Two columns: the header row of th, one row of td in tbody. The caption
// and thead boxes write no attribute (their `written` is empty).
QString tableMarkup(const Tag &tag, const PaletteState &state)
{
    QList<QString> lines{u"<table"_s + tickedAttributes(tag, state) + u'>'};
    if (state.ticked(1))
        lines << u"<caption></caption>"_s;
    if (state.ticked(2))
        lines << u"<thead>"_s << uR"(<tr><th scope="col"></th><th scope="col"></th></tr>)"_s << u"</thead>"_s;
    lines << u"<tbody>"_s << u"<tr><td></td><td></td></tr>"_s << u"</tbody>"_s << u"</table>"_s;
    return lines.join(crlf);
}

constexpr Option headerCellOptions[] = {
    {u"横につなげる（colspan）", uR"( colspan="")"},
    {u"縦につなげる（rowspan）", uR"( rowspan="")"},
    {u"短い名前（abbr）", uR"( abbr="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice scopes[] = {
    {u"列の見出し（col）", u"col"},
    {u"行の見出し（row）", u"row"},
    {u"列のまとまりの見出し（colgroup）", u"colgroup"},
    {u"行のまとまりの見出し（rowgroup）", u"rowgroup"},
};

constexpr Option cellOptions[] = {
    {u"横につなげる（colspan）", uR"( colspan="")"},
    {u"縦につなげる（rowspan）", uR"( rowspan="")"},
    {u"見出しの ID（headers）", uR"( headers="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option columnOptions[] = {
    {u"まとめる列の数（span）", uR"( span="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Tag tags[] = {
    {.label = u"表", .checks = tableOptions, .ticked = box(1) | box(2), .markup = &tableMarkup},
    {.label = u"表題（caption）", .open = u"<caption></caption>"},
    {.label = u"行（tr）", .checks = idClassOptions, .open = u"<tr", .close = u"><td></td></tr>"},
    {.label = u"見出しのセル（th）",
     .checks = headerCellOptions,
     .labels = {u"見出しの範囲（scope）"},
     .combos = {scopes},
     .open = u"<th",
     .leads = {uR"( scope=")"},
     .close = u"></th>",
     .markup = &chosenOnlyMarkup},
    {.label = u"データのセル（td）", .checks = cellOptions, .open = u"<td", .close = u"></td>"},
    {.label = u"見出しの行のまとまり（thead）", .open = u"<thead>\r\n<tr><th></th></tr>\r\n</thead>"},
    {.label = u"本体の行のまとまり（tbody）", .open = u"<tbody>\r\n<tr><td></td></tr>\r\n</tbody>"},
    {.label = u"集計の行のまとまり（tfoot）", .open = u"<tfoot>\r\n<tr><td></td></tr>\r\n</tfoot>"},
    {.label = u"列（colgroup・col）", .checks = columnOptions, .open = u"<colgroup>\r\n<col", .close = u">\r\n</colgroup>"},
};
static_assert(std::size(tags) == 9);

constexpr TagNotes notes[] = {
    {.elements = u"TABLE CAPTION THEAD TBODY TR TH TD", .explanation = u"表を書きます（表題・見出しの行・データの行）。", .words = u"表 テーブル"},
    {.elements = u"CAPTION", .explanation = u"表の表題を書きます（table の最初に）。"},
    {.elements = u"TR TD", .explanation = u"表に行を加えます（セルを一つ持つ行）。"},
    {.elements = u"TH", .explanation = u"見出しのセルを書きます。scope で行か列の見出しかを示します。", .words = u"セル"},
    {.elements = u"TD", .explanation = u"データのセルを書きます。", .words = u"セル"},
    {.elements = u"THEAD TR", .explanation = u"見出しの行をまとめます。"},
    {.elements = u"TBODY TR", .explanation = u"表の本体の行をまとめます。"},
    {.elements = u"TFOOT TR", .explanation = u"集計の行をまとめます。"},
    {.elements = u"COLGROUP COL", .explanation = u"列をまとめ、CSS で列ごとに整えられるようにします。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayTableTags()
{
    return tags;
}

std::span<const TagNotes> todayTableNotes()
{
    return notes;
}
