// SPDX-License-Identifier: GPL-3.0-or-later
// The notes beside each category's table: explanations, element names, the
// tooltips built from them, and finding a tag by what the user types.
#include "core/palette/tagnotes.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TagPlace)

namespace {

PaletteState everythingOn(const Tag &tag)
{
    PaletteState state;
    for (std::size_t i = 0; i < tag.checks.size(); ++i)
        state.checks[i] = !tag.checks[i].caption.isEmpty();
    for (std::size_t i = 0; i < 3; ++i)
        state.combos[i] = int(tag.combos[i].size()) - 1;
    return state;
}

QStringList writtenElements(const QString &markup)
{
    static const QRegularExpression start(u"<([A-Za-z][A-Za-z0-9]*)"_s);
    QStringList names;
    auto it = start.globalMatch(markup);
    while (it.hasNext())
        names << it.next().captured(1).toUpper();
    return names;
}

TagPlace placeOf(QStringView category, QStringView label)
{
    const auto categories = catalogue();
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        if (categories[kind].name != category)
            continue;
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            if (categories[kind].tags[tagu].label == label)
                return {kind, tagu};
        }
    }
    return {};
}

} // namespace

class TestTagNotes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyTag_data();
    void everyTag();
    void search_data();
    void search();
};

void TestTagNotes::everyTag_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    const auto categories = catalogue();
    int count = 0;
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        QCOMPARE(categories[kind].notes.size(), categories[kind].tags.size());
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu, ++count) {
            QTest::addRow("%s / %s", qPrintable(categories[kind].name.toString()),
                          qPrintable(categories[kind].tags[tagu].label.toString()))
                << kind << tagu;
        }
    }
    QCOMPARE(count, 65);
}

// Every tag is explained, names every element it writes, and every control
// it shows has a tooltip whose attributes the glossary explains.
void TestTagNotes::everyTag()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    const Tag &tag = catalogue()[kind].tags[tagu];
    const TagNotes &notes = catalogue()[kind].notes[tagu];

    QVERIFY(!notes.explanation.isEmpty());
    QVERIFY(tagTip(kind, tagu).startsWith(notes.explanation.toString()));
    const QStringList listed = notes.elements.toString().split(u' ', Qt::SkipEmptyParts);
    const QString markup = *paletteMarkup(kind, tagu, everythingOn(tag));
    for (const QString &element : writtenElements(markup))
        QVERIFY2(listed.contains(element), qPrintable(element + u" is written but not listed"_s));

    for (int n = 1; n <= 12; ++n) {
        const bool shown = std::size_t(n) <= tag.checks.size() && !tag.checks[n - 1].caption.isEmpty();
        const QString tip = optionTip(tag, n);
        QCOMPARE(tip.isEmpty(), !shown);
        if (!shown)
            continue;
        for (const QString &name : attributeNames(tag.checks[n - 1].written))
            QVERIFY2(!attributeExplanation(name).isEmpty(), qPrintable(name + u" is not in the glossary"_s));
    }
    for (int n = 1; n <= 3; ++n) {
        const Choices choices = tag.combos[n - 1];
        const QString tip = comboTip(tag, n);
        QCOMPARE(tip.isEmpty(), choices.empty());
        for (const Choice &choice : choices)
            QVERIFY(tip.contains(choice.item + u" → "_s));
        for (const QString &name : attributeNames(tag.leads[n - 1]))
            QVERIFY2(!attributeExplanation(name).isEmpty(), qPrintable(name + u" is not in the glossary"_s));
    }
}

void TestTagNotes::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<TagPlace>("first");

    const TagPlace table = placeOf(u"テーブル", u"テーブル作成");
    QVERIFY(table.kind >= 0);
    QTest::addRow("a Japanese word: 表 finds the table") << u"表"_s << table;
    QTest::addRow("an element name: table") << u"table"_s << table;
    QTest::addRow("an element name in capitals: TABLE") << u"TABLE"_s << table;
    QTest::addRow("td finds the data cell") << u"td"_s << placeOf(u"テーブル", u"セル　作成");
    QTest::addRow("th finds the header cell") << u"th"_s << placeOf(u"テーブル", u"テーブル見出し　作成");
    QTest::addRow("a label: リンク") << u"リンク"_s << placeOf(u"リンク", u"リンク作成");
    QTest::addRow("h2 finds the heading") << u"h2"_s << placeOf(u"テキスト", u"見出し");
    QTest::addRow("a label in part: 引用") << u"引用"_s << placeOf(u"テキスト", u"長文引用");
    QTest::addRow("blanks around the query") << u"  img "_s << placeOf(u"画像（イメージ）", u"画像表示");
    QTest::addRow("a blank query finds nothing") << u"  "_s << TagPlace{};
    QTest::addRow("nothing matches") << u"zzz"_s << TagPlace{};
}

void TestTagNotes::search()
{
    QFETCH(QString, query);
    QFETCH(TagPlace, first);
    const QList<TagPlace> found = findTags(query);
    if (first.kind < 0) {
        QVERIFY(found.isEmpty());
        return;
    }
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first(), first);
}

QTEST_APPLESS_MAIN(TestTagNotes)
#include "tst_tagnotes.moc"
