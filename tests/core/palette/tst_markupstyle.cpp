// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML5 markup style: exact cases, then every tag of the palette and the
// wizard's tables checked for lower-case names, double quotes and untouched values.
#include "core/palette/catalogue.h"
#include "core/palette/markupstyle.h"
#include "core/table/tabledata.h"
#include "core/table/tablemarkup.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Attribute {
    QString name;
    QString value;
    bool operator==(const Attribute &) const = default;
};

// Element names and attributes in written order, read by a scanner of its own.
struct Reading {
    QStringList elements;
    QList<Attribute> attributes;
    QString text; // everything outside tags
};

Reading readMarkup(const QString &markup, QChar quote)
{
    static const QRegularExpression tag(u"<(/?)([A-Za-z][A-Za-z0-9]*)([^<>]*)>"_s);
    Reading reading;
    qsizetype last = 0;
    auto it = tag.globalMatch(markup);
    while (it.hasNext()) {
        const auto match = it.next();
        reading.text += markup.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        reading.elements << match.captured(1) + match.captured(2);
        const QRegularExpression attribute(u"([A-Za-z-]+)(?:=%1([^%1]*)%1)?"_s.arg(quote));
        auto at = attribute.globalMatch(match.captured(3));
        while (at.hasNext()) {
            const auto a = at.next();
            reading.attributes << Attribute{a.captured(1), a.captured(2)};
        }
    }
    reading.text += markup.mid(last);
    return reading;
}

PaletteState everythingOn(const Tag &tag)
{
    PaletteState state;
    for (std::size_t i = 0; i < tag.checks.size(); ++i)
        state.checks[i] = !tag.checks[i].caption.isEmpty();
    for (std::size_t i = 0; i < 3; ++i)
        state.combos[i] = int(tag.combos[i].size()) - 1;
    return state;
}

PaletteState setUp(const Tag &tag)
{
    PaletteState state;
    for (int n = 1; n <= 12; ++n)
        state.checks[n - 1] = tag.ticked & box(n);
    return state;
}

void checkRestyled(const QString &designed, const QString &html5)
{
    const Reading before = readMarkup(designed, u'\'');
    const Reading after = readMarkup(html5, u'"');
    QStringList lowered;
    for (const QString &element : before.elements)
        lowered << element.toLower();
    QStringList elements = after.elements;
    elements.removeAll(u"meta"_s);
    QCOMPARE(elements, lowered);
    QList<Attribute> expected;
    for (const Attribute &a : before.attributes)
        expected << Attribute{a.name.toLower(), a.value};
    QList<Attribute> written = after.attributes;
    written.removeIf([](const Attribute &a) { return a.name == u"lang" || a.name == u"charset"; });
    for (Attribute &a : written)
        a.value.replace(u"&quot;"_s, u"\""_s);
    QCOMPARE(written, expected);
    QString text = after.text;
    if (text.startsWith(u"<!DOCTYPE html>\r\n"))
        text.remove(0, 17);
    QCOMPARE(text, before.text);
    static const QRegularExpression upperName(u"</?[a-z0-9]*[A-Z]"_s);
    QVERIFY2(!html5.contains(upperName), qPrintable(html5));
}

} // namespace

class TestMarkupStyle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void html5_data();
    void html5();
    void designedIsUntouched();
    void everyTag_data();
    void everyTag();
    void wizardTables_data();
    void wizardTables();
};

void TestMarkupStyle::html5_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("html5");

    QTest::addRow("bold, an empty element pair") << u"<B></B>"_s << QString() << u"<b></b>"_s;
    QTest::addRow("cell with two empty values") << u"<TD align='' valign=''></TD>"_s << QString()
                                                << u"<td align=\"\" valign=\"\"></td>"_s;
    QTest::addRow("values keep their case") << u"<OL type='A'><LI type='i'></LI></OL>"_s << QString()
                                            << u"<ol type=\"A\"><li type=\"i\"></li></ol>"_s;
    QTest::addRow("an attribute without a value stays bare") << u"<HR size='' noshade>"_s << QString()
                                                             << u"<hr size=\"\" noshade>"_s;
    QTest::addRow("a double quote in a value is escaped") << u"<TABLE background='say \"hi\".gif'>"_s << QString()
                                                          << u"<table background=\"say &quot;hi&quot;.gif\">"_s;
    QTest::addRow("a single quote inside a typed value stays") << u"<TD background='Tom's.gif'></TD>"_s << QString()
                                                               << u"<td background=\"Tom's.gif\"></td>"_s;
    QTest::addRow("a closing bracket inside a value") << u"<IMG alt='a>b' src=''>"_s << QString()
                                                      << u"<img alt=\"a>b\" src=\"\">"_s;
    QTest::addRow("mail link keeps its address and query")
        << u"<A href='mailto:メールアドレス?subject='>"_s << QString() << u"<a href=\"mailto:メールアドレス?subject=\">"_s;
    QTest::addRow("text and character references untouched") << u"<P align='center'>A&amp;B 'x'"_s << QString()
                                                             << u"<p align=\"center\">A&amp;B 'x'"_s;
    QTest::addRow("script text untouched")
        << u"<Script Language='JavaScript'>\r\n<!--\r\ndocument.write(y,'年');\r\n//-->\r\n</Script>"_s << QString()
        << u"<script language=\"JavaScript\">\r\n<!--\r\ndocument.write(y,'年');\r\n//-->\r\n</script>"_s;
    QTest::addRow("not markup at all") << u"JavaScript:void(0)"_s << QString() << u"JavaScript:void(0)"_s;
    QTest::addRow("page skeleton in UTF-8")
        << u"<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>\r\n<BODY bgcolor=''>\r\n\r\n<!--ここに本文-->\r\n\r\n</BODY></HTML>"_s
        << u"UTF-8"_s
        << u"<!DOCTYPE html>\r\n<html lang=\"ja\"><head><meta charset=\"UTF-8\"><title>タイトル</title>\r\n</head>\r\n"
           u"<body bgcolor=\"\">\r\n\r\n<!--ここに本文-->\r\n\r\n</body></html>"_s;
    QTest::addRow("page skeleton in Shift_JIS")
        << u"<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>"_s << u"Shift_JIS"_s
        << u"<!DOCTYPE html>\r\n<html lang=\"ja\"><head><meta charset=\"Shift_JIS\"><title>タイトル</title>\r\n</head>"_s;
    QTest::addRow("a page that names its language keeps it") << u"<HTML lang='en'><HEAD>"_s << u"EUC-JP"_s
        << u"<!DOCTYPE html>\r\n<html lang=\"en\"><head><meta charset=\"EUC-JP\">"_s;
}

void TestMarkupStyle::html5()
{
    QFETCH(QString, designed);
    QFETCH(QString, charset);
    QFETCH(QString, html5);
    QCOMPARE(html5Markup(designed, charset), html5);
    QCOMPARE(styledMarkup(MarkupStyle::Html5, designed, charset), html5);
}

void TestMarkupStyle::designedIsUntouched()
{
    const QString page = *paletteMarkup(0, 0, {});
    QCOMPARE(styledMarkup(MarkupStyle::Designed, page, u"UTF-8"), page);
}

void TestMarkupStyle::everyTag_data()
{
    QTest::addColumn<QString>("designed");
    const auto categories = catalogue();
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            const Tag &tag = categories[kind].tags[tagu];
            const QString name = categories[kind].name + u" / "_s + tag.label;
            QTest::addRow("%s, as set up", qPrintable(name)) << *paletteMarkup(kind, tagu, setUp(tag));
            QTest::addRow("%s, everything chosen", qPrintable(name)) << *paletteMarkup(kind, tagu, everythingOn(tag));
        }
    }
}

void TestMarkupStyle::everyTag()
{
    QFETCH(QString, designed);
    const QString html5 = html5Markup(designed, u"UTF-8");
    checkRestyled(designed, html5);
    QCOMPARE(html5.startsWith(u"<!DOCTYPE html>\r\n<html lang=\"ja\"><head><meta charset=\"UTF-8\">"),
             designed.startsWith(u"<HTML><HEAD>"));
}

void TestMarkupStyle::wizardTables_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("html5");

    TableSettings all;
    all.tableWidth = {true, u"80"_s, 1};
    all.tableHeight = {true, u"50"_s, 0};
    all.tableAlign = {true, 1};
    all.tableBgcolor = {true, u"FFFFCC"_s};
    all.tableBackground = {true, u"a \"b\".gif"_s};
    all.tableBorderColor = {true, u"000080"_s};
    all.frame = {true, 3};
    all.rules = {true, 4};
    all.cellpadding = {true, u"2"_s};
    all.cellspacing = {true, u"3"_s};
    all.border.ticked = true;
    all.rowAlign = {true, 2};
    all.rowValign = {true, 3};
    all.rowBackground = {true, u"r.gif"_s};
    all.rowBgcolor = {true, u"EEEEEE"_s};
    all.cellWidth = {true, u"10"_s, 1};
    all.cellHeight = {true, u"20"_s, 0};
    all.cellAlign = {true, 0};
    all.cellValign = {true, 1};
    all.cellBgcolor = {true, u"00FF00"_s};
    all.cellNobr = true;
    all.cellBackground = {true, u"c.gif"_s};

    QTest::addRow("every attribute of the wizard, 1 x 1")
        << tableMarkup(all, {1, 1})
        << u"<table width=\"80%\" height=\"50\" background=\"a &quot;b&quot;.gif\" bgcolor=\"#FFFFCC\" "
           u"bordercolor=\"#000080\" align=\"center\" frame=\"hsides\" rules=\"all\" cellspacing=\"3\" "
           u"cellpadding=\"2\" border=\"1\">\r\n"
           u"<tr bgcolor=\"#EEEEEE\" background=\"r.gif\" align=\"right\" valign=\"baseline\">"
           u"<td width=\"10%\" height=\"20\" align=\"left\" valign=\"middle\" bgcolor=\"#00FF00\" "
           u"background=\"c.gif\" nowrap></td></tr>\r\n</table>"_s;
    QTest::addRow("untouched wizard, 2 x 2") << tableMarkup(TableSettings{}, {2, 2})
                                             << u"<table>\r\n<tr><td></td><td></td></tr>\r\n<tr><td></td><td></td></tr>\r\n</table>"_s;
    TableData data = parseTableData(u"名前\t値\r\n<a>\tA&B\r\n"_s);
    QTest::addRow("a table from data with a header row")
        << tableMarkupWithData(TableSettings{}, {2, 2}, data, true)
        << u"<table>\r\n<tr><th>名前</th><th>値</th></tr>\r\n<tr><td>&lt;a&gt;</td><td>A&amp;B</td></tr>\r\n</table>"_s;
}

void TestMarkupStyle::wizardTables()
{
    QFETCH(QString, designed);
    QFETCH(QString, html5);
    QCOMPARE(html5Markup(designed, u"UTF-8"), html5);
    checkRestyled(designed, html5);
}

QTEST_APPLESS_MAIN(TestMarkupStyle)
#include "tst_markupstyle.moc"
