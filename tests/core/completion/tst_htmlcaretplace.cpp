// SPDX-License-Identifier: GPL-3.0-or-later
// Where the caret stands in markup: what is being typed there and where it began.
#include "core/completion/htmlcaretplace.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HtmlCaretPlace::Kind)

class TestHtmlCaretPlace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void place_data();
    void place();
};

void TestHtmlCaretPlace::place_data()
{
    // "|" marks the caret, "[" where the typed stretch starts and "]" where the replaced word ends.
    QTest::addColumn<QString>("marked");
    QTest::addColumn<HtmlCaretPlace::Kind>("kind");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QStringList>("written");

    using K = HtmlCaretPlace;
    QTest::addRow("plain text") << u"<p>te|xt"_s << K::Nothing << QString() << QString() << QStringList();
    QTest::addRow("just after <") << u"<p><[|]"_s << K::ElementName << QString() << QString() << QStringList();
    QTest::addRow("an element name begun, its rest replaced") << u"<[di|v]>"_s << K::ElementName << QString() << QString() << QStringList();
    QTest::addRow("an end tag") << u"<ul></[u|l>]"_s << K::EndTagName << QString() << QString() << QStringList();
    QTest::addRow("after the name and a space") << u"<a [|]>"_s << K::AttributeName << u"a"_s << QString() << QStringList();
    QTest::addRow("an attribute begun, the others written before and after")
        << u"<IMG SRC='x.png' [al|] width=3 hidden>"_s << K::AttributeName << u"img"_s << QString()
        << QStringList{u"src"_s, u"width"_s, u"hidden"_s};
    QTest::addRow("a quoted value, the value after the caret replaced")
        << u"<input type=\"[te|xt]\" name=q>"_s << K::AttributeValue << u"input"_s << u"type"_s << QStringList{u"name"_s};
    QTest::addRow("a value whose quote is not closed yet") << u"<a href=\"[pa|]"_s << K::AttributeValue << u"a"_s << u"href"_s << QStringList();
    QTest::addRow("right after =") << u"<a target=[|]>"_s << K::AttributeValue << u"a"_s << u"target"_s << QStringList();
    QTest::addRow("an unquoted value") << u"<a target=[_b|l]>"_s << K::AttributeValue << u"a"_s << u"target"_s << QStringList();
    QTest::addRow("a value holding >") << u"<a title=\"a>b\" [|]"_s << K::AttributeName << u"a"_s << QString() << QStringList{u"title"_s};
    QTest::addRow("after a closed tag") << u"<a href=x>|"_s << K::Nothing << QString() << QString() << QStringList();
    QTest::addRow("a character reference, its ';' replaced too") << u"a &[co|py;] b"_s << K::CharacterReference << QString() << QString() << QStringList();
    QTest::addRow("a reference inside a value") << u"<a title=\"&[am|]"_s << K::CharacterReference << QString() << QString() << QStringList();
    QTest::addRow("inside a comment") << u"<!-- <[|]"_s << K::Nothing << QString() << QString() << QStringList();
    QTest::addRow("after a comment") << u"<!-- x --><[|]"_s << K::ElementName << QString() << QString() << QStringList();
    QTest::addRow("inside a script") << u"<script>if (a <[|]"_s << K::Nothing << QString() << QString() << QStringList();
    QTest::addRow("after a script") << u"<script>a<b</script><[|]"_s << K::ElementName << QString() << QString() << QStringList();
    QTest::addRow("a declaration") << u"<!DOC|"_s << K::Nothing << QString() << QString() << QStringList();
    QTest::addRow("right after the element's name") << u"<div|"_s << K::ElementName << QString() << QString() << QStringList();
}

void TestHtmlCaretPlace::place()
{
    QFETCH(QString, marked);
    QFETCH(HtmlCaretPlace::Kind, kind);
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QStringList, written);

    QString text = marked;
    const qsizetype from = text.indexOf(u'[');
    text.remove(u'[');
    const qsizetype caret = text.indexOf(u'|');
    text.remove(u'|');
    const qsizetype to = text.indexOf(u']');
    text.remove(u']');

    const HtmlCaretPlace place = htmlCaretPlace(text, caret);
    QCOMPARE(place.kind, kind);
    if (kind == HtmlCaretPlace::Nothing)
        return;
    if (from >= 0) {
        QCOMPARE(place.from, from);
        QCOMPARE(place.to, to);
    }
    QCOMPARE(place.element, element);
    QCOMPARE(place.attribute, attribute);
    QCOMPARE(place.written, written);
}

QTEST_APPLESS_MAIN(TestHtmlCaretPlace)
#include "tst_htmlcaretplace.moc"
