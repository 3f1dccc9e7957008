// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of HTML's elements and attributes that completion, the tag
// dock, the palette and the page check read.
#include "core/web/htmlelements.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace WebData;

class TestHtmlElements : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsAreSortedAndUniqueSoLookupsFindThem();
    void everyCurrentElementIsExplainedInJapanese();
    void everyObsoleteEntrySaysWhatToWriteInstead();
    void elements_data();
    void elements();
    void attributes_data();
    void attributes();
    void keywordsOfEnumeratedAttributes_data();
    void keywordsOfEnumeratedAttributes();
    void theSourcePackagesAreNamedWithVersionAndLicence();
};

template <typename Row>
static void checkSorted(std::span<const Row> rows, const QString &where)
{
    for (std::size_t i = 1; i < rows.size(); ++i) {
        QVERIFY2(rows[i - 1].name < rows[i].name,
                 qPrintable(where + u": "_s + rows[i - 1].name.toString() + u" before "_s + rows[i].name.toString()));
    }
}

void TestHtmlElements::rowsAreSortedAndUniqueSoLookupsFindThem()
{
    checkSorted(WebData::elements(), u"elements"_s);
    checkSorted(globalAttributes(), u"global attributes"_s);
    for (const ElementInfo &element : WebData::elements()) {
        checkSorted(element.attributes, element.name.toString());
        QCOMPARE(findElement(element.name), &element);
        QCOMPARE(findElement(element.name.toString().toUpper()), &element);
        for (const AttributeInfo &attribute : element.attributes)
            QCOMPARE(findAttribute(element.name, attribute.name), &attribute);
    }
    QVERIFY(WebData::elements().size() > 130);
    QVERIFY(globalAttributes().size() > 100);
}

void TestHtmlElements::everyCurrentElementIsExplainedInJapanese()
{
    for (const ElementInfo &element : WebData::elements()) {
        if (element.obsolete)
            continue;
        QVERIFY2(!element.explanation.isEmpty(), qPrintable(element.name.toString()));
        const bool japanese = std::any_of(element.explanation.begin(), element.explanation.end(),
                                          [](QChar c) { return c.unicode() >= 0x3040; });
        QVERIFY2(japanese, qPrintable(element.name.toString()));
    }
}

void TestHtmlElements::everyObsoleteEntrySaysWhatToWriteInstead()
{
    int obsoleteAttributes = 0;
    for (const ElementInfo &element : WebData::elements()) {
        QCOMPARE(element.obsolete, !element.instead.isEmpty());
        for (const AttributeInfo &attribute : element.attributes) {
            QCOMPARE(attribute.obsolete, !attribute.instead.isEmpty());
            obsoleteAttributes += attribute.obsolete;
        }
    }
    QVERIFY(obsoleteAttributes > 100);
}

void TestHtmlElements::elements_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("obsolete");
    QTest::addColumn<bool>("isVoid");
    QTest::addColumn<QString>("insteadMentions");

    QTest::addRow("data, new in the living standard") << u"data"_s << true << false << false << QString();
    QTest::addRow("search, new in the living standard") << u"search"_s << true << false << false << QString();
    QTest::addRow("ruby and rt") << u"rt"_s << true << false << false << QString();
    QTest::addRow("meter") << u"meter"_s << true << false << false << QString();
    QTest::addRow("dialog") << u"dialog"_s << true << false << false << QString();
    QTest::addRow("img has no end tag") << u"img"_s << true << false << true << QString();
    QTest::addRow("source has no end tag") << u"source"_s << true << false << true << QString();
    QTest::addRow("wbr has no end tag") << u"wbr"_s << true << false << true << QString();
    QTest::addRow("upper case is the same element") << u"TABLE"_s << true << false << false << QString();
    QTest::addRow("center is obsolete: CSS text-align") << u"center"_s << true << true << false << u"text-align"_s;
    QTest::addRow("font is obsolete: CSS") << u"FONT"_s << true << true << false << u"CSS"_s;
    QTest::addRow("frameset is obsolete: iframe or one page") << u"frameset"_s << true << true << false << u"iframe"_s;
    QTest::addRow("marquee is obsolete") << u"marquee"_s << true << true << false << u"CSS"_s;
    QTest::addRow("param is obsolete and void") << u"param"_s << true << true << true << u"object"_s;
    QTest::addRow("a custom element is not in the table") << u"my-card"_s << false << false << false << QString();
    QTest::addRow("a typo is not in the table") << u"tabel"_s << false << false << false << QString();
}

void TestHtmlElements::elements()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(bool, obsolete);
    QFETCH(bool, isVoid);
    QFETCH(QString, insteadMentions);

    const ElementInfo *element = findElement(name);
    QCOMPARE(element != nullptr, known);
    if (!element)
        return;
    QCOMPARE(element->obsolete, obsolete);
    QCOMPARE(element->isVoid, isVoid);
    QVERIFY2(element->instead.contains(insteadMentions), qPrintable(element->instead.toString()));
}

void TestHtmlElements::attributes_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("boolean");
    QTest::addColumn<bool>("obsolete");

    QTest::addRow("img loading") << u"img"_s << u"loading"_s << true << false << false;
    QTest::addRow("img decoding") << u"img"_s << u"decoding"_s << true << false << false;
    QTest::addRow("img srcset") << u"img"_s << u"srcset"_s << true << false << false;
    QTest::addRow("inputmode on any element") << u"div"_s << u"inputmode"_s << true << false << false;
    QTest::addRow("popover on any element") << u"div"_s << u"popover"_s << true << false << false;
    QTest::addRow("an event handler on any element") << u"p"_s << u"onclick"_s << true << false << false;
    QTest::addRow("aria-label on any element") << u"nav"_s << u"aria-label"_s << true << false << false;
    QTest::addRow("a data- attribute on any element") << u"li"_s << u"data-price"_s << true << false << false;
    QTest::addRow("data- alone is no attribute") << u"li"_s << u"data-"_s << false << false << false;
    QTest::addRow("meter value") << u"meter"_s << u"value"_s << true << false << false;
    QTest::addRow("button popovertarget") << u"button"_s << u"popovertarget"_s << true << false << false;
    QTest::addRow("disabled is boolean") << u"input"_s << u"disabled"_s << true << true << false;
    QTest::addRow("defer is boolean") << u"script"_s << u"defer"_s << true << true << false;
    QTest::addRow("autofocus is boolean") << u"input"_s << u"autofocus"_s << true << true << false;
    QTest::addRow("hidden is boolean") << u"section"_s << u"hidden"_s << true << true << false;
    QTest::addRow("body bgcolor is obsolete") << u"body"_s << u"bgcolor"_s << true << false << true;
    QTest::addRow("body leftmargin is obsolete") << u"BODY"_s << u"LEFTMARGIN"_s << true << false << true;
    QTest::addRow("td align is obsolete") << u"td"_s << u"align"_s << true << false << true;
    QTest::addRow("hr noshade is obsolete and boolean") << u"hr"_s << u"noshade"_s << true << true << true;
    QTest::addRow("script language is obsolete") << u"script"_s << u"language"_s << true << false << true;
    QTest::addRow("href is not on img") << u"img"_s << u"href"_s << false << false << false;
    QTest::addRow("nothing is on an unknown element") << u"tabel"_s << u"id"_s << false << false << false;
}

void TestHtmlElements::attributes()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(bool, known);
    QFETCH(bool, boolean);
    QFETCH(bool, obsolete);

    const AttributeInfo *info = findAttribute(element, attribute);
    QCOMPARE(info != nullptr, known);
    if (!info)
        return;
    QCOMPARE(info->boolean, boolean);
    QCOMPARE(info->obsolete, obsolete);
    if (obsolete)
        QVERIFY(!info->instead.isEmpty());
    else
        QVERIFY2(!info->explanation.isEmpty(), qPrintable(element + u'@' + attribute));
}

void TestHtmlElements::keywordsOfEnumeratedAttributes_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QStringList>("includes");

    QTest::addRow("input types of today") << u"input"_s << u"type"_s
                                          << QStringList{u"email"_s, u"tel"_s, u"url"_s, u"number"_s, u"date"_s,
                                                         u"search"_s, u"color"_s, u"range"_s};
    QTest::addRow("loading") << u"img"_s << u"loading"_s << QStringList{u"lazy"_s, u"eager"_s};
    QTest::addRow("inputmode") << u"input"_s << u"inputmode"_s << QStringList{u"numeric"_s, u"tel"_s, u"email"_s};
    QTest::addRow("popover") << u"div"_s << u"popover"_s << QStringList{u"auto"_s, u"manual"_s};
    QTest::addRow("link rel") << u"link"_s << u"rel"_s << QStringList{u"stylesheet"_s, u"icon"_s};
    QTest::addRow("script type") << u"script"_s << u"type"_s << QStringList{u"module"_s};
    QTest::addRow("meta name") << u"meta"_s << u"name"_s << QStringList{u"viewport"_s, u"description"_s};
    QTest::addRow("dir") << u"p"_s << u"dir"_s << QStringList{u"ltr"_s, u"rtl"_s, u"auto"_s};
    QTest::addRow("hidden until found") << u"div"_s << u"hidden"_s << QStringList{u"until-found"_s};
    QTest::addRow("a free value has none") << u"img"_s << u"alt"_s << QStringList{};
}

void TestHtmlElements::keywordsOfEnumeratedAttributes()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QStringList, includes);

    const AttributeInfo *info = findAttribute(element, attribute);
    QVERIFY(info);
    QStringList values;
    for (QStringView value : info->values)
        values << value.toString();
    for (const QString &value : includes)
        QVERIFY2(values.contains(value), qPrintable(values.join(u' ')));
    if (includes.isEmpty())
        QVERIFY(values.isEmpty());
}

void TestHtmlElements::theSourcePackagesAreNamedWithVersionAndLicence()
{
    QStringList names;
    for (const DataSource &source : sources()) {
        names << source.package.toString();
        QVERIFY(source.version.contains(u'.'));
        QCOMPARE(source.licence, u"MIT");
    }
    QVERIFY(names.contains(u"html-element-attributes"_s));
    QVERIFY(names.contains(u"@webref/elements"_s));
}

QTEST_APPLESS_MAIN(TestHtmlElements)
#include "tst_htmlelements.moc"
