// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/color/colorvalue.h"
#include "core/color/colorspots.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageKind)

class TestColorValue : public QObject
{
    Q_OBJECT
private slots:
    // The value the page holds, the colour the dialog answers, and what the
    // value becomes: the same notation, case and separators.
    void rewrite_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("bareHex");
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<QString>("expected");

        QTest::addRow("#RRGGBB stays upper-case six digits") << u"#FFCC00"_s << false << QColor(0x12, 0xAB, 0x09) << u"#12AB09"_s;
        QTest::addRow("#rrggbb stays lower case") << u"#ffcc00"_s << false << QColor(0x12, 0xAB, 0x09) << u"#12ab09"_s;
        QTest::addRow("#rgb stays three digits when it can") << u"#fff"_s << false << QColor(0x11, 0x22, 0xCC) << u"#12c"_s;
        QTest::addRow("#rgb grows to six digits when it cannot") << u"#fff"_s << false << QColor(0x12, 0x22, 0xCC) << u"#1222cc"_s;
        QTest::addRow("#rrggbbaa keeps its alpha; digits alone write capitals, as the colour command does") << u"#11223380"_s << false << QColor(0xAA, 0xBB, 0xCC) << u"#AABBCC80"_s;
        QTest::addRow("#rgba keeps its alpha") << u"#0008"_s << false << QColor(0xFF, 0, 0) << u"#F008"_s;
        QTest::addRow("an attribute's bare six digits stay bare") << u"FFFFFF"_s << true << QColor(0, 0x80, 0) << u"008000"_s;
        QTest::addRow("rgb() with commas and spaces") << u"rgb(0, 0, 0)"_s << false << QColor(10, 20, 30) << u"rgb(10, 20, 30)"_s;
        QTest::addRow("rgba() with tight commas keeps its alpha") << u"rgba(0,0,0,.5)"_s << false << QColor(1, 2, 3) << u"rgba(1,2,3,.5)"_s;
        QTest::addRow("rgb() in spaces with an alpha after a slash") << u"rgb(0 0 0 / 50%)"_s << false << QColor(255, 128, 0) << u"rgb(255 128 0 / 50%)"_s;
        QTest::addRow("rgb() in percentages stays in percentages") << u"rgb(100%, 0%, 0%)"_s << false << QColor(0, 255, 51) << u"rgb(0%, 100%, 20%)"_s;
        QTest::addRow("hsl() with degrees") << u"hsl(0deg, 0%, 0%)"_s << false << QColor(255, 0, 0) << u"hsl(0deg, 100%, 50%)"_s;
        QTest::addRow("hsla() keeps its alpha") << u"hsla(10, 10%, 10%, 0.3)"_s << false << QColor(0, 0, 255) << u"hsla(240, 100%, 50%, 0.3)"_s;
        QTest::addRow("a name becomes the new colour's name") << u"red"_s << false << QColor(0x66, 0x33, 0x99) << u"rebeccapurple"_s;
        QTest::addRow("a name with no name for the new colour becomes hexadecimal") << u"Navy"_s << false << QColor(1, 2, 3) << u"#010203"_s;
    }

    void rewrite()
    {
        QFETCH(QString, written);
        QFETCH(bool, bareHex);
        QFETCH(QColor, chosen);
        QFETCH(QString, expected);
        const auto value = parseColourValue(written, bareHex);
        QVERIFY(value);
        QCOMPARE(writeColourValue(chosen, *value), expected);
        // Written back, the new value is the chosen colour.
        const auto again = parseColourValue(expected, bareHex);
        QVERIFY(again);
        QCOMPARE(again->colour.rgb() & 0xFFFFFF, chosen.rgb() & 0xFFFFFF);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("expected");

        QTest::addRow("#rgb doubles each digit") << u"#f80"_s << QColor(0xFF, 0x88, 0x00);
        QTest::addRow("#rrggbbaa puts alpha last") << u"#10203040"_s << QColor(0x10, 0x20, 0x30, 0x40);
        QTest::addRow("a name in any case") << u"DarkSlateGray"_s << QColor(0x2F, 0x4F, 0x4F);
        QTest::addRow("rgba() with a fraction") << u"rgba(255, 0, 0, 0.5)"_s << QColor(255, 0, 0, 128);
        QTest::addRow("hsl() of green") << u"hsl(120, 100%, 25%)"_s << QColor(0, 128, 0);
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QColor, expected);
        const auto value = parseColourValue(text);
        QVERIFY(value);
        QCOMPARE(value->colour.rgba(), expected.rgba());
    }

    void notColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("five hexadecimal digits") << u"#12345"_s;
        QTest::addRow("a letter that is not hexadecimal") << u"#ggg"_s;
        QTest::addRow("a word that names no colour") << u"bold"_s;
        QTest::addRow("rgb() with two channels") << u"rgb(1, 2)"_s;
        QTest::addRow("currentcolor has no colour of its own") << u"currentcolor"_s;
    }

    void notColours()
    {
        QFETCH(QString, text);
        QVERIFY(!parseColourValue(text));
    }

    void spots_data()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("every CSS notation on one line")
            << PageKind::Css << u"a{color:#F00;background:rgb(0 0 255);border-color:hsl(120,100%,25%) navy}"_s
            << QStringList{u"#F00=#ff0000"_s, u"rgb(0 0 255)=#0000ff"_s, u"hsl(120,100%,25%)=#008000"_s, u"navy=#000080"_s};
        QTest::addRow("colour attributes of legacy markup, quoted, bare and with no hash")
            << PageKind::Html << u"<BODY bgcolor=\"#FFFFFF\" text=black LINK='0000FF' class=\"red\">"_s
            << QStringList{u"#FFFFFF=#ffffff"_s, u"black=#000000"_s, u"0000FF=#0000ff"_s};
        QTest::addRow("CSS in a style attribute")
            << PageKind::Html << u"<p style=\"color: rgba(255,0,0,.5)\">"_s << QStringList{u"rgba(255,0,0,.5)=#ff0000"_s};
        QTest::addRow("an rgb() left open on the line has no swatch")
            << PageKind::Css << u"a { color: rgb(1, 2,"_s << QStringList{};
    }

    void spots()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QList<PageSpan> spans;
        tokenizePageLine(kind, line, 0, &spans);
        QStringList found;
        for (const ColourSpot &spot : colourSpots(line, spans))
            found << line.mid(spot.start, spot.length) + u'=' + spot.colour.name();
        QCOMPARE(found, expected);
    }
};

QTEST_APPLESS_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
