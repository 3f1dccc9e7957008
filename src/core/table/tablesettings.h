// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Cell texts by row, as a spreadsheet or a CSV file gives them. Every row
// holds the same number of cells: short rows are padded with empty ones.
struct TableData {
    QList<QStringList> rows;
    qsizetype cols = 0;

    friend bool operator==(const TableData &, const TableData &) = default;
};

// What the wizard's three dialogs hold when OK is pressed. Each attribute is
// written only when its box is ticked; the values are used exactly as typed.
// A default-constructed value is the dialogs' initial state.

// A text box with a unit combo: index 1 ("パーセント") adds "%".
struct LengthSetting {
    bool ticked = false;
    QString text;
    int unit = -1;

    friend bool operator==(const LengthSetting &, const LengthSetting &) = default;
};

struct TextSetting {
    bool ticked = false;
    QString text;

    friend bool operator==(const TextSetting &, const TextSetting &) = default;
};

// A combo of fixed items: -1 when none is chosen or the user typed over it.
struct ChoiceSetting {
    bool ticked = false;
    int index = -1;

    friend bool operator==(const ChoiceSetting &, const ChoiceSetting &) = default;
};

struct TableSettings {
    // The counts as typed into txtRows and txtCols.
    QString rows = QStringLiteral("2");
    QString cols = QStringLiteral("2");

    // The table element, frmTable1.
    LengthSetting tableWidth;
    LengthSetting tableHeight;
    ChoiceSetting tableAlign;
    TextSetting tableBgcolor;
    TextSetting tableBackground;
    TextSetting tableBorderColor;

    // The table element, frmTable2.
    ChoiceSetting frame;
    ChoiceSetting rules;
    TextSetting cellpadding;
    TextSetting cellspacing;
    TextSetting border{false, QStringLiteral("1")};

    // Every row.
    ChoiceSetting rowAlign;
    ChoiceSetting rowValign;
    TextSetting rowBackground;
    TextSetting rowBgcolor;

    // Every cell, frmTable1.
    LengthSetting cellWidth;
    LengthSetting cellHeight;
    ChoiceSetting cellAlign;
    ChoiceSetting cellValign;
    TextSetting cellBgcolor;

    // Every cell, frmTable3.
    bool cellNobr = false;
    TextSetting cellBackground;

    // Cell texts pasted from a spreadsheet or CSV, and whether the first row
    // is written as header cells (TH). Empty and unticked, the table is empty.
    TableData data;
    bool headerRow = false;

    friend bool operator==(const TableSettings &, const TableSettings &) = default;
};
