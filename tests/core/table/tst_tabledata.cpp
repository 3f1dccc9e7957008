// SPDX-License-Identifier: GPL-3.0-or-later
// Tables from spreadsheet and CSV data: reading the cells, writing them.
#include "core/table/tablecounts.h"
#include "core/table/tabledata.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Rows = QList<QStringList>;

class TestTableData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void markup_data();
    void markup();
};

void TestTableData::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");

    QTest::addRow("spreadsheet copy, tabs and CR LF, final line end")
        << u"a\tb\r\nc\td\r\n"_s << Rows{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
    QTest::addRow("spreadsheet copy, a cell with a line end is quoted")
        << u"\"one\ntwo\"\tx\n"_s << Rows{{u"one\ntwo"_s, u"x"_s}};
    QTest::addRow("tab-separated, commas are text") << u"1,5\t2\n"_s << Rows{{u"1,5"_s, u"2"_s}};
    QTest::addRow("CSV, plain") << u"a,b,c\nd,e,f"_s << Rows{{u"a"_s, u"b"_s, u"c"_s}, {u"d"_s, u"e"_s, u"f"_s}};
    QTest::addRow("CSV, quoted comma, doubled quote and line end")
        << u"\"x, y\",\"say \"\"hi\"\"\",\"l1\r\nl2\"\r\nz,,\r\n"_s
        << Rows{{u"x, y"_s, u"say \"hi\""_s, u"l1\r\nl2"_s}, {u"z"_s, QString(), QString()}};
    QTest::addRow("CSV, a quote inside an unquoted field is text") << u"5\" pipe,b"_s << Rows{{u"5\" pipe"_s, u"b"_s}};
    QTest::addRow("ragged rows are padded with empty cells")
        << u"a\tb\tc\nd\ne\tf\n"_s
        << Rows{{u"a"_s, u"b"_s, u"c"_s}, {u"d"_s, QString(), QString()}, {u"e"_s, u"f"_s, QString()}};
    QTest::addRow("CR line ends, blank lines at the end ignored")
        << u"a,b\rc,d\r\r\r"_s << Rows{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
    QTest::addRow("a blank line between rows stays a row")
        << u"a\n\nb\n"_s << Rows{{u"a"_s}, {QString()}, {u"b"_s}};
    QTest::addRow("byte order mark at the start") << u"\uFEFFa,b"_s << Rows{{u"a"_s, u"b"_s}};
    QTest::addRow("nothing") << QString() << Rows{};
}

void TestTableData::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    const TableData data = parseTableData(text);
    QCOMPARE(data.rows, rows);
    qsizetype cols = 0;
    for (const QStringList &row : rows)
        cols = std::max(cols, row.size());
    QCOMPARE(data.cols, cols);
}

void TestTableData::markup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("headerRow");
    QTest::addColumn<QString>("markup");

    QTest::addRow("cells escaped: less-than, ampersand, quote")
        << u"<b>\tA&B\n\"x\"\"y\"\t\n"_s << false
        << u"<TABLE>\r\n<TR><TD>&lt;b&gt;</TD><TD>A&amp;B</TD></TR>\r\n<TR><TD>x&quot;y</TD><TD></TD></TR>\r\n</TABLE>"_s;
    QTest::addRow("first row as header cells")
        << u"名前,値\nA,1\n"_s << true
        << u"<TABLE>\r\n<TR><TH>名前</TH><TH>値</TH></TR>\r\n<TR><TD>A</TD><TD>1</TD></TR>\r\n</TABLE>"_s;
    QTest::addRow("a line end inside a cell becomes a break")
        << u"\"l1\r\nl2\",x\n"_s << false << u"<TABLE>\r\n<TR><TD>l1<BR>l2</TD><TD>x</TD></TR>\r\n</TABLE>"_s;
    QTest::addRow("ragged rows give empty cells")
        << u"a\tb\nc\n"_s << false << u"<TABLE>\r\n<TR><TD>a</TD><TD>b</TD></TR>\r\n<TR><TD>c</TD><TD></TD></TR>\r\n</TABLE>"_s;
}

void TestTableData::markup()
{
    QFETCH(QString, text);
    QFETCH(bool, headerRow);
    QFETCH(QString, markup);
    const TableData data = parseTableData(text);
    QCOMPARE(tableMarkupWithData(TableSettings{}, {data.rows.size(), data.cols}, data, headerRow), markup);

    // The wizard's attributes apply to the cells as usual.
    TableSettings s;
    s.border.ticked = true;
    s.cellAlign = {true, 1};
    s.rowBgcolor = {true, u"FFFFCC"_s};
    const QString withAttributes = tableMarkupWithData(s, {data.rows.size(), data.cols}, data, headerRow);
    QVERIFY(withAttributes.startsWith(u"<TABLE border='1'>\r\n<TR bgcolor='#FFFFCC'><T"_s));
    QCOMPARE(withAttributes.count(u" align='center'>"_s), data.rows.size() * data.cols);
}

QTEST_APPLESS_MAIN(TestTableData)
#include "tst_tabledata.moc"
