// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table/tabledata.h"

#include <algorithm>

using namespace Qt::StringLiterals;

TableData parseTableData(QStringView text)
{
    const QChar separator = text.contains(u'\t') ? u'\t' : u',';
    TableData data;
    QStringList row;
    QString field;
    bool rowStarted = false;
    qsizetype i = text.startsWith(u'\uFEFF') ? 1 : 0;
    const qsizetype n = text.size();

    const auto endField = [&] {
        row << field;
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        data.rows << row;
        row.clear();
        rowStarted = false;
    };

    while (i < n) {
        rowStarted = true;
        if (text[i] == u'"' && field.isEmpty()) {
            // A quoted field runs to the quote that is not doubled.
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            continue;
        }
        const QChar c = text[i];
        if (c == separator) {
            endField();
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
            endRow();
        } else {
            field += c;
            ++i;
        }
    }
    if (rowStarted)
        endRow();
    // Blank lines after the data (a copied range often ends in some) add no rows.
    while (!data.rows.isEmpty() && data.rows.last() == QStringList{QString()})
        data.rows.removeLast();
    data.cols = 0;
    for (const QStringList &cells : std::as_const(data.rows))
        data.cols = std::max(data.cols, cells.size());
    for (QStringList &cells : data.rows) {
        while (cells.size() < data.cols)
            cells << QString();
    }
    return data;
}

namespace {

QString cellText(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(u"\r\n"_s, u"<BR>"_s);
    escaped.replace(u'\r', u"<BR>"_s);
    escaped.replace(u'\n', u"<BR>"_s);
    return escaped;
}

} // namespace

QString tableMarkupWithData(const TableSettings &settings, TableSize size, const TableData &data, bool headerRow)
{
    const QString rowStart = rowStartTag(settings);
    const QString dataStart = cellStartTag(settings, u"TD");
    const QString headerStart = cellStartTag(settings, u"TH");
    const QString tableStart = tableStartTag(settings);

    QString markup;
    markup.reserve(tableStart.size() + qsizetype(size.rows) * (rowStart.size() + qsizetype(size.cols) * (dataStart.size() + 12)));
    markup += tableStart + crlf;
    for (long long r = 0; r < size.rows; ++r) {
        const bool header = headerRow && r == 0;
        const QStringList *cells = r < data.rows.size() ? &data.rows.at(qsizetype(r)) : nullptr;
        markup += rowStart;
        for (long long c = 0; c < size.cols; ++c) {
            markup += header ? headerStart : dataStart;
            if (cells && c < cells->size())
                markup += cellText(cells->at(qsizetype(c)));
            markup += header ? u"</TH>" : u"</TD>";
        }
        markup += u"</TR>" + crlf;
    }
    markup += u"</TABLE>";
    return markup;
}
