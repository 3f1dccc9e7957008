// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/table/tablemarkup.h"

#include <QString>
#include <QStringView>

// Tab-separated text (what a spreadsheet copies) when the text holds a tab,
// otherwise comma-separated. A field that starts with '"' is quoted: it may
// hold separators and line ends, and "" stands for one '"'. Lines end in
// CR LF, LF or CR; the line end after the last row adds no row.
TableData parseTableData(QStringView text);

// The table of `size` with the wizard's attributes, each cell holding the
// text of data at its place (escaped for HTML, a line end inside a cell
// written as <BR>), cells beyond the data empty. With headerRow the cells of
// the first row are TH. Lines end as in tableMarkup.
QString tableMarkupWithData(const TableSettings &settings, TableSize size, const TableData &data, bool headerRow);
