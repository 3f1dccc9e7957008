// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table/tablecounts.h"
#include "core/table/tablemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(TableSettings)
Q_DECLARE_METATYPE(TableSize)
Q_DECLARE_METATYPE(std::optional<long long>)

using namespace Qt::StringLiterals;

namespace {

QString lines(std::initializer_list<QStringView> list)
{
    QStringList joined;
    for (QStringView line : list)
        joined << line.toString();
    return joined.join(u"\r\n"_s);
}

TableSettings everythingTicked()
{
    TableSettings s;
    s.tableWidth = {true, u"80"_s, 1};
    s.tableHeight = {true, u"200"_s, 0};
    s.tableAlign = {true, 2};
    s.tableBgcolor = {true, u"FFFFFF"_s};
    s.tableBackground = {true, u"back.gif"_s};
    s.tableBorderColor = {true, u"000080"_s};
    s.frame = {true, 7};
    s.rules = {true, 2};
    s.cellpadding = {true, u"4"_s};
    s.cellspacing = {true, u"3"_s};
    s.border = {true, u"1"_s};
    s.rowAlign = {true, 0};
    s.rowValign = {true, 3};
    s.rowBackground = {true, u"row.gif"_s};
    s.rowBgcolor = {true, u"FF0000"_s};
    s.cellWidth = {true, u"50"_s, 1};
    s.cellHeight = {true, u"20"_s, -1};
    s.cellAlign = {true, 1};
    s.cellValign = {true, 0};
    s.cellBgcolor = {true, u"00FF00"_s};
    s.cellNobr = true;
    s.cellBackground = {true, u"cell.gif"_s};
    return s;
}

} // namespace

class TestTableMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markup_data();
    void markup();
    void wholeCount_data();
    void wholeCount();
    void size_data();
    void size();
};

void TestTableMarkup::markup_data()
{
    QTest::addColumn<TableSettings>("settings");
    QTest::addColumn<TableSize>("size");
    QTest::addColumn<QString>("expected");

    {
        TableSettings s;
        s.border.ticked = true;
        s.tableWidth = {true, u"80"_s, 1};
        s.cellAlign = {true, 1};
        QTest::addRow("worked example: border, width in percent, centred cells")
            << s << TableSize{2, 2}
            << lines({u"<TABLE width='80%' border='1'>",
                      u"<TR><TD align='center'></TD><TD align='center'></TD></TR>",
                      u"<TR><TD align='center'></TD><TD align='center'></TD></TR>",
                      u"</TABLE>"});
    }
    QTest::addRow("nothing ticked, two by two")
        << TableSettings{} << TableSize{2, 2}
        << lines({u"<TABLE>", u"<TR><TD></TD><TD></TD></TR>", u"<TR><TD></TD><TD></TD></TR>", u"</TABLE>"});
    QTest::addRow("no rows: only the table tags")
        << TableSettings{} << TableSize{0, 2} << u"<TABLE>\r\n</TABLE>"_s;
    QTest::addRow("negative rows: only the table tags")
        << TableSettings{} << TableSize{-3, 2} << u"<TABLE>\r\n</TABLE>"_s;
    QTest::addRow("no columns, three rows: empty rows")
        << TableSettings{} << TableSize{3, 0}
        << lines({u"<TABLE>", u"<TR></TR>", u"<TR></TR>", u"<TR></TR>", u"</TABLE>"});
    QTest::addRow("one by one")
        << TableSettings{} << TableSize{1, 1} << lines({u"<TABLE>", u"<TR><TD></TD></TR>", u"</TABLE>"});
    {
        TableSettings s;
        s.rowBgcolor = {true, u"FF0000"_s};
        QTest::addRow("row colour on every row")
            << s << TableSize{2, 1}
            << lines({u"<TABLE>", u"<TR bgcolor='#FF0000'><TD></TD></TR>", u"<TR bgcolor='#FF0000'><TD></TD></TR>",
                      u"</TABLE>"});
    }
    const std::pair<int, QStringView> heights[] = {{1, u"20%"}, {0, u"20"}, {-1, u"20"}};
    for (const auto &[unit, written] : heights) {
        TableSettings s;
        s.cellHeight = {true, u"20"_s, unit};
        QTest::addRow("cell height, unit index %d", unit)
            << s << TableSize{1, 2}
            << lines({u"<TABLE>", QString(u"<TR><TD height='" + written + u"'></TD><TD height='" + written + u"'></TD></TR>"),
                      u"</TABLE>"});
    }
    {
        TableSettings s;
        s.frame = {true, 3};
        s.rules = {true, 4};
        QTest::addRow("frame hsides, rules all")
            << s << TableSize{0, 0} << u"<TABLE frame='hsides' rules='all'>\r\n</TABLE>"_s;
    }
    {
        TableSettings s;
        s.cellNobr = true;
        s.cellBackground = {true, u"bg.png"_s};
        QTest::addRow("cell background then nowrap")
            << s << TableSize{1, 1}
            << lines({u"<TABLE>", u"<TR><TD background='bg.png' nowrap></TD></TR>", u"</TABLE>"});
    }
    {
        TableSettings s;
        s.tableBackground.ticked = true;
        s.tableAlign.ticked = true;
        s.frame.ticked = true;
        s.rules = {true, 5};
        s.tableWidth = {true, QString(), 1};
        QTest::addRow("ticked with nothing typed or chosen: empty values, width still gets its percent")
            << s << TableSize{0, 0}
            << u"<TABLE width='%' background='' align='' frame='' rules=''>\r\n</TABLE>"_s;
    }
    {
        TableSettings s;
        s.border.ticked = true;
        s.border.text.clear();
        s.cellBackground = {true, u"a'b&<c>"_s};
        QTest::addRow("values written as typed, quotes and markup unescaped")
            << s << TableSize{1, 1}
            << lines({u"<TABLE border=''>", u"<TR><TD background='a'b&<c>'></TD></TR>", u"</TABLE>"});
    }
    {
        TableSettings s = everythingTicked();
        s.tableBorderColor.ticked = false;
        s.border.text = u"1"_s;
        s.cellNobr = false;
        s.cellBackground.ticked = false;
        s.tableHeight.ticked = false;
        s.cellWidth.ticked = false;
        s.tableWidth.ticked = false;
        s.border.ticked = false;
        QTest::addRow("unticked boxes write nothing even with values set")
            << s << TableSize{1, 1}
            << lines({u"<TABLE background='back.gif' bgcolor='#FFFFFF' align='right' frame='box' rules='rows' "
                      u"cellspacing='3' cellpadding='4'>",
                      u"<TR bgcolor='#FF0000' background='row.gif' align='left' valign='baseline'>"
                      u"<TD height='20' align='center' valign='top' bgcolor='#00FF00'></TD></TR>",
                      u"</TABLE>"});
    }
    QTest::addRow("everything ticked: table, row and cell orders")
        << everythingTicked() << TableSize{2, 2}
        << lines({u"<TABLE width='80%' height='200' background='back.gif' bgcolor='#FFFFFF' bordercolor='#000080' "
                  u"align='right' frame='box' rules='rows' cellspacing='3' cellpadding='4' border='1'>",
                  u"<TR bgcolor='#FF0000' background='row.gif' align='left' valign='baseline'>"
                  u"<TD width='50%' height='20' align='center' valign='top' bgcolor='#00FF00' background='cell.gif' nowrap></TD>"
                  u"<TD width='50%' height='20' align='center' valign='top' bgcolor='#00FF00' background='cell.gif' nowrap></TD>"
                  u"</TR>",
                  u"<TR bgcolor='#FF0000' background='row.gif' align='left' valign='baseline'>"
                  u"<TD width='50%' height='20' align='center' valign='top' bgcolor='#00FF00' background='cell.gif' nowrap></TD>"
                  u"<TD width='50%' height='20' align='center' valign='top' bgcolor='#00FF00' background='cell.gif' nowrap></TD>"
                  u"</TR>",
                  u"</TABLE>"});

    const QStringView frames[] = {u"void", u"above", u"below", u"hsides", u"lhs", u"rhs", u"vsides", u"box", u"border"};
    for (int i = 0; i < 9; ++i) {
        TableSettings s;
        s.frame = {true, i};
        QTest::addRow("frame index %d", i) << s << TableSize{0, 0}
                                           << u"<TABLE frame='" + frames[i] + u"'>\r\n</TABLE>";
    }
    const QStringView rules[] = {u"none", u"groups", u"rows", u"cols", u"all"};
    for (int i = 0; i < 5; ++i) {
        TableSettings s;
        s.rules = {true, i};
        QTest::addRow("rules index %d", i) << s << TableSize{0, 0}
                                           << u"<TABLE rules='" + rules[i] + u"'>\r\n</TABLE>";
    }
    const QStringView valigns[] = {u"top", u"middle", u"bottom", u"baseline", u""};
    for (int i = 0; i < 5; ++i) {
        TableSettings s;
        s.rowValign = {true, i == 4 ? -1 : i};
        QTest::addRow("row valign index %d", i == 4 ? -1 : i)
            << s << TableSize{1, 0} << lines({u"<TABLE>", QString(u"<TR valign='" + valigns[i] + u"'></TR>"), u"</TABLE>"});
    }
    const QStringView aligns[] = {u"left", u"center", u"right", u""};
    for (int i = 0; i < 4; ++i) {
        TableSettings s;
        s.tableAlign = {true, i == 3 ? -1 : i};
        QTest::addRow("table align index %d", i == 3 ? -1 : i)
            << s << TableSize{0, 0} << u"<TABLE align='" + aligns[i] + u"'>\r\n</TABLE>";
    }
}

void TestTableMarkup::markup()
{
    QFETCH(TableSettings, settings);
    QFETCH(TableSize, size);
    QFETCH(QString, expected);

    QCOMPARE(tableMarkup(settings, size), expected);
}

void TestTableMarkup::wholeCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<long long>>("expected");

    const auto count = [](long long n) { return std::optional<long long>(n); };
    const std::optional<long long> none;
    QTest::addRow("plain number") << u"12"_s << count(12);
    QTest::addRow("blanks around it") << u"  3 \t"_s << count(3);
    QTest::addRow("ideographic blanks around it") << u"\u30004\u3000"_s << count(4);
    QTest::addRow("full-width digits") << u"１２"_s << count(12);
    QTest::addRow("two and a half goes down to even") << u"2.5"_s << count(2);
    QTest::addRow("three and a half goes up to even") << u"3.5"_s << count(4);
    QTest::addRow("a half goes to zero") << u".5"_s << count(0);
    QTest::addRow("fraction below a half rounds down") << u"7.49"_s << count(7);
    QTest::addRow("fraction above a half rounds up") << u"7.51"_s << count(8);
    QTest::addRow("trailing point") << u"5."_s << count(5);
    QTest::addRow("leading plus") << u"+6"_s << count(6);
    QTest::addRow("zero") << u"0"_s << count(0);
    QTest::addRow("negative") << u"-3"_s << count(-3);
    QTest::addRow("negative half to even") << u"-2.5"_s << count(-2);
    QTest::addRow("huge number clamped, still huge") << u"9"_s.repeated(400) << count(1'000'000'000'000'000);
    QTest::addRow("empty") << QString() << none;
    QTest::addRow("only blanks") << u"   "_s << none;
    QTest::addRow("letters") << u"abc"_s << none;
    QTest::addRow("digits then letters") << u"3行"_s << none;
    QTest::addRow("blank inside") << u"1 2"_s << none;
    QTest::addRow("lone point") << u"."_s << none;
    QTest::addRow("lone sign") << u"-"_s << none;
    QTest::addRow("exponent form") << u"1e3"_s << none;
    QTest::addRow("thousands separator") << u"1,000"_s << none;
    QTest::addRow("infinity word") << u"inf"_s << none;
}

void TestTableMarkup::wholeCount()
{
    QFETCH(QString, text);
    QFETCH(std::optional<long long>, expected);

    QCOMPARE(::wholeCount(text), expected);
}

void TestTableMarkup::size_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<long long>("expectedRows");
    QTest::addColumn<long long>("expectedCols");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("field");

    const int fine = -1;
    const int rows = int(CountField::Rows);
    const int cols = int(CountField::Cols);
    QTest::addRow("two by two") << u"2"_s << u"2"_s << 2LL << 2LL << fine << 0;
    QTest::addRow("halves in both") << u"2.5"_s << u"3.5"_s << 2LL << 4LL << fine << 0;
    QTest::addRow("zero rows") << u"0"_s << u"2"_s << 0LL << 2LL << fine << 0;
    QTest::addRow("negative columns") << u"3"_s << u"-1"_s << 3LL << -1LL << fine << 0;
    QTest::addRow("exactly the largest table") << u"1000"_s << u"100"_s << 1000LL << 100LL << fine << 0;
    QTest::addRow("no rows, so huge columns build nothing") << u"0"_s << u"100000000"_s << 0LL << 100000000LL
                                                            << fine << 0;
    QTest::addRow("empty rows") << QString() << u"2"_s << 0LL << 0LL << int(CountError::NotANumber) << rows;
    QTest::addRow("letters in columns") << u"2"_s << u"x"_s << 0LL << 0LL << int(CountError::NotANumber) << cols;
    QTest::addRow("both wrong: rows named first") << u"a"_s << u"b"_s << 0LL << 0LL << int(CountError::NotANumber)
                                                 << rows;
    QTest::addRow("one cell too many, rows larger") << u"1001"_s << u"100"_s << 0LL << 0LL
                                                    << int(CountError::TooLarge) << rows;
    QTest::addRow("one cell too many, columns larger") << u"100"_s << u"1001"_s << 0LL << 0LL
                                                       << int(CountError::TooLarge) << cols;
    QTest::addRow("rows alone too many, no columns") << u"100001"_s << u"0"_s << 0LL << 0LL
                                                     << int(CountError::TooLarge) << rows;
    QTest::addRow("columns beyond any double") << u"1"_s << u"9"_s.repeated(400) << 0LL << 0LL
                                               << int(CountError::TooLarge) << cols;
}

void TestTableMarkup::size()
{
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(long long, expectedRows);
    QFETCH(long long, expectedCols);
    QFETCH(int, problem);
    QFETCH(int, field);

    const auto result = tableSize(rows, cols);
    if (problem < 0) {
        QVERIFY(std::holds_alternative<TableSize>(result));
        QCOMPARE(std::get<TableSize>(result).rows, expectedRows);
        QCOMPARE(std::get<TableSize>(result).cols, expectedCols);
    } else {
        QVERIFY(std::holds_alternative<CountError>(result));
        const CountError error = std::get<CountError>(result);
        QCOMPARE(int(error.problem), problem);
        QCOMPARE(int(error.field), field);
    }
}

QTEST_APPLESS_MAIN(TestTableMarkup)
#include "tst_tablemarkup.moc"
