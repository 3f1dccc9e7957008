// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table/tablemarkup.h"

namespace {

QStringView keyword(Choices choices, int index)
{
    if (index < 0 || index >= int(choices.size()))
        return {};
    return choices[index].written;
}

void appendLength(QString &markup, QStringView name, const LengthSetting &length)
{
    if (!length.ticked)
        return;
    markup += u' ' + name + u"='" + length.text;
    if (length.unit == 1)
        markup += u'%';
    markup += u'\'';
}

void appendText(QString &markup, QStringView name, const TextSetting &text)
{
    if (text.ticked)
        markup += u' ' + name + u"='" + text.text + u'\'';
}

// Colour boxes hold the six digits only; the "#" belongs to the markup.
void appendColor(QString &markup, QStringView name, const TextSetting &color)
{
    if (color.ticked)
        markup += u' ' + name + u"='#" + color.text + u'\'';
}

void appendChoice(QString &markup, QStringView name, const ChoiceSetting &choice, Choices choices)
{
    if (choice.ticked)
        markup += u' ' + name + u"='" + keyword(choices, choice.index) + u'\'';
}

} // namespace

QString tableStartTag(const TableSettings &s)
{
    QString tag = QStringLiteral("<TABLE");
    appendLength(tag, u"width", s.tableWidth);
    appendLength(tag, u"height", s.tableHeight);
    appendText(tag, u"background", s.tableBackground);
    appendColor(tag, u"bgcolor", s.tableBgcolor);
    appendColor(tag, u"bordercolor", s.tableBorderColor);
    appendChoice(tag, u"align", s.tableAlign, tableAlignments);
    appendChoice(tag, u"frame", s.frame, outerFrames);
    appendChoice(tag, u"rules", s.rules, innerRules);
    appendText(tag, u"cellspacing", s.cellspacing);
    appendText(tag, u"cellpadding", s.cellpadding);
    appendText(tag, u"border", s.border);
    tag += u'>';
    return tag;
}

QString rowStartTag(const TableSettings &s)
{
    QString tag = QStringLiteral("<TR");
    appendColor(tag, u"bgcolor", s.rowBgcolor);
    appendText(tag, u"background", s.rowBackground);
    appendChoice(tag, u"align", s.rowAlign, positions);
    appendChoice(tag, u"valign", s.rowValign, verticalAlignments);
    tag += u'>';
    return tag;
}

QString cellStartTag(const TableSettings &s, QStringView element)
{
    QString cell = u'<' + element.toString();
    appendLength(cell, u"width", s.cellWidth);
    appendLength(cell, u"height", s.cellHeight);
    appendChoice(cell, u"align", s.cellAlign, positions);
    appendChoice(cell, u"valign", s.cellValign, verticalAlignments);
    appendColor(cell, u"bgcolor", s.cellBgcolor);
    appendText(cell, u"background", s.cellBackground);
    if (s.cellNobr)
        cell += u" nowrap";
    cell += u'>';
    return cell;
}

QString emptyCell(const TableSettings &s)
{
    return cellStartTag(s, u"TD") + u"</TD>";
}

QString tableMarkup(const TableSettings &settings, TableSize size)
{
    // Every row is the same text: build it once and repeat it.
    QString row = rowStartTag(settings);
    const QString cell = emptyCell(settings);
    if (size.rows >= 1) {
        row.reserve(row.size() + qsizetype(std::max(size.cols, 0LL)) * cell.size() + 7);
        for (long long col = 1; col <= size.cols; ++col)
            row += cell;
    }
    row += u"</TR>" + crlf;

    const QString start = tableStartTag(settings);
    QString markup;
    const long long rows = std::max(size.rows, 0LL);
    markup.reserve(start.size() + crlf.size() + qsizetype(rows) * row.size() + 8);
    markup += start + crlf;
    for (long long r = 1; r <= rows; ++r)
        markup += row;
    markup += u"</TABLE>";
    return markup;
}
