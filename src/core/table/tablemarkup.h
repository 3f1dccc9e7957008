// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/palettemarkup.h"
#include "core/table/tablesettings.h"

// The wizard's lists: the items it shows and the keywords they stand for, by
// index. The row and cell alignments use the position list.
inline constexpr Choice tableAlignments[] = {
    {u"左", u"left"},
    {u"センタリング", u"center"},
    {u"右", u"right"},
};

inline constexpr Choice verticalAlignments[] = {
    {u"上揃え", u"top"},
    {u"真中", u"middle"},
    {u"下揃え", u"bottom"},
    {u"1行目ベースライン", u"baseline"},
};

inline constexpr Choice outerFrames[] = {
    {u"外枠なし", u"void"},
    {u"上のみ", u"above"},
    {u"下のみ", u"below"},
    {u"上下", u"hsides"},
    {u"左のみ", u"lhs"},
    {u"右のみ", u"rhs"},
    {u"左右", u"vsides"},
    {u"外枠全て", u"box"},
    {u"縁取り", u"border"},
};

inline constexpr Choice innerRules[] = {
    {u"罫線なし", u"none"},
    {u"グループの境界", u"groups"},
    {u"行の境界", u"rows"},
    {u"列の境界", u"cols"},
    {u"全ての境界", u"all"},
};

// Index 1 writes "%"; pixels are the bare number.
inline constexpr QStringView lengthUnits[] = {u"ピクセル", u"パーセント"};

struct TableSize {
    long long rows = 0;
    long long cols = 0;
};

// The complete markup of an empty table: the start tag and each row end with
// CR LF, "</TABLE>" does not. Counts below 1 give no rows, or rows without cells.
QString tableMarkup(const TableSettings &settings, TableSize size);

// The TABLE start tag with the table attributes.
QString tableStartTag(const TableSettings &settings);

// The start tag of a cell (element "TD" or "TH") with the cell attributes.
QString cellStartTag(const TableSettings &settings, QStringView element);

// One row start tag with the row attributes; no line end, the cells follow it.
QString rowStartTag(const TableSettings &settings);

// One complete empty cell with the cell attributes.
QString emptyCell(const TableSettings &settings);
