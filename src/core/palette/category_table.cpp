// SPDX-License-Identifier: GPL-3.0-or-later
// テーブル: the table elements one at a time, each a start tag and its end tag
// with nothing between, attributes left empty for the user to fill in.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Option tableOptions[] = {
    {u"枠線表示（幅指定）", u" border=''"},
    {.caption = u"テキストに対する位置指定", .written = u" align='", .valueFrom = 1},
    {u"幅指定", u" width=''"},
    {u"高さ指定", u" height=''"},
    {u"セルの間隔", u" cellspacing=''"},
    {u"セル内の余白", u" cellpadding=''"},
    {u"枠線色指定", u" bordercolor=''"},
    {u"枠線色指定（左+上、右+下）", u" bordercolorlight='' bordercolordark=''"},
    {u"背景に色を付ける", u" bgcolor=''"},
    {u"背景に画像を付ける", u" background=''"},
};

constexpr Choice frames[] = {
    {u"外枠なし", u"void"},
    {u"上のみ", u"above"},
    {u"下のみ", u"below"},
    {u"上下のみ", u"hsides"},
    {u"左のみ", u"lhs"},
    {u"右のみ", u"rhs"},
    {u"左右のみ", u"vsides"},
    {u"外枠すべて", u"box"},
    {u"四辺の縁取り", u"border"},
};

constexpr Choice rules[] = {
    {u"罫線なし", u"none"},
    {u"グループの境界のみ", u"groups"},
    {u"行の境界のみ", u"rows"},
    {u"列の境界のみ", u"cols"},
    {u"すべての境界", u"all"},
};

constexpr Choice verticalAlignments[] = {
    {u"上揃え", u"top"},
    {u"中央", u"middle"},
    {u"下揃え", u"bottom"},
    {u"１行目ベースライン揃え", u"baseline"},
};

constexpr Option rowOptions[] = {
    {u"背景に色を付ける", u" bgcolor=''"},
    {u"背景に画像を付ける", u" background=''"},
};

constexpr Option dataCellOptions[] = {
    {u"幅指定", u" width=''"},
    {u"高さ指定", u" height=''"},
    {u"背景に色を付ける", u" bgcolor=''"},
    {u"背景に画像を付ける", u" background=''"},
    {u"改行禁止", u" nowrap"},
    {u"縦方向に連結", u" rowspan=''"},
    {u"横方向に連結", u" colspan=''"},
};

constexpr Option headerCellOptions[] = {
    {u"幅指定", u" width=''"},
    {u"高さ指定", u" height=''"},
    {u"背景に色を付ける", u" bgcolor=''"},
    {u"背景に画像を付ける", u" background=''"},
    {u"改行禁止", u" nowrap"},
    {u"縦方向に連結（セル数）", u" rowspan=''"},
    {u"横方向に連結（セル数）", u" colspan=''"},
};

// Data and header cells: the ticked attributes first, then both alignments, always written.
constexpr Tag cell(QStringView label, std::span<const Option> options, QStringView open, QStringView close)
{
    return {.label = label,
            .checks = options,
            .labels = {u"セル内テキスト位置", u"セル内テキスト位置"},
            .combos = {positions, verticalAlignments},
            .open = open,
            .leads = {u" align='", u"' valign='"},
            .close = close};
}

constexpr Choice captionSides[] = {
    {u"上", u"top"},
    {u"下", u"bottom"},
};

constexpr Option captionOptions[] = {
    {.caption = u"位置指定", .written = u" align='", .valueFrom = 1},
};

// Each ticked box replaces what an earlier one set: one row group per Insert.
constexpr Option rowGroupOptions[] = {
    {u"ヘッダ（最上部）", u"<THEAD></THEAD>"},
    {u"フッタ（最下部）", u"<TFOOT></TFOOT>"},
    {u"本体（真中）", u"<TBODY></TBODY>"},
};

constexpr Option columnOptions[] = {
    {u"グループ化列数指定", u" span=''"},
    {u"列幅", u" width=''"},
};

// Column group and column: the span box is ticked at set-up.
constexpr Tag columns(QStringView label, QStringView open, QStringView close)
{
    return {.label = label, .checks = columnOptions, .ticked = box(1), .open = open, .close = close};
}

constexpr Tag tags[] = {
    {.label = u"テーブル作成",
     .checks = tableOptions,
     .labels = {u"テキストに対する位置", u"外枠の表示方法", u"内側罫線の表示方法"},
     .combos = {textSides, frames, rules},
     .open = u"<TABLE",
     .leads = {QStringView{}, u" frame='", u"' rules='"},
     .close = u"'></TABLE>"},
    {.label = u"テキスト回り込み解除", .open = clearWrapping},
    {.label = u"行　作成",
     .checks = rowOptions,
     .labels = {u"セル内テキスト位置", u"セル内テキスト位置"},
     .combos = {positions, verticalAlignments},
     .open = u"<TR",
     .leads = {u" align='", u"' valign='"},
     .close = u"></TR>",
     .markup = &choicesFirstMarkup},
    cell(u"セル　作成", dataCellOptions, u"<TD", u"'></TD>"),
    cell(u"テーブル見出し　作成", headerCellOptions, u"<TH", u"'></TH>"),
    {.label = u"キャプション",
     .checks = captionOptions,
     .labels = {u"位置"},
     .combos = {captionSides},
     .open = u"<CAPTION",
     .close = u"></CAPTION>"},
    {.label = u"行をグループ化", .checks = rowGroupOptions, .markup = &lastTickedMarkup},
    columns(u"列をグループ化", u"<COLGROUP", u"></COLGROUP>"),
    columns(u"列にまとめて属性指定", u"<COL", u"></COL>"),
};
static_assert(std::size(tags) == 9);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"TABLE", .explanation = u"表（テーブル）を作ります。中に行（TR）とセル（TD）を置きます。", .words = u"表 表組み"},
    {.elements = u"BR", .explanation = u"表の横へのテキストの回り込みを解除します。"},
    {.elements = u"TR", .explanation = u"表に行を一つ作ります。", .words = u"表 行"},
    {.elements = u"TD", .explanation = u"表の行にセル（データのマス）を作ります。", .words = u"表 セル"},
    {.elements = u"TH", .explanation = u"表の見出しのセルを作ります（ふつうは太字で中央揃え）。", .words = u"表 セル"},
    {.elements = u"CAPTION", .explanation = u"表に題名（キャプション）を付けます。", .words = u"表 題名"},
    {.elements = u"THEAD TFOOT TBODY", .explanation = u"表の行をヘッダ・フッタ・本体にまとめます。", .words = u"表 行"},
    {.elements = u"COLGROUP", .explanation = u"表の列をグループにまとめて属性を指定します。", .words = u"表 列"},
    {.elements = u"COL", .explanation = u"表の列に属性をまとめて指定します。", .words = u"表 列"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> tableTags()
{
    return tags;
}

std::span<const TagNotes> tableNotes()
{
    return notes;
}
