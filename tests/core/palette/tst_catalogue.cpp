// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

// The shape of the whole catalogue, and the promise that what the palette keeps
// hidden never reaches the markup.
class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void categories();
    void setUpFitsThePalette();
    void hiddenControlsLeaveTheMarkup_data();
    void hiddenControlsLeaveTheMarkup();
    void indexesWithoutTag_data();
    void indexesWithoutTag();
};

void TestCatalogue::categories()
{
    const QStringList names{u"ベース設定"_s, u"テキスト"_s, u"フォント"_s, u"リスト"_s, u"画像（イメージ）"_s,
                            u"リンク"_s, u"フォーム"_s, u"テーブル"_s, u"フレーム"_s, u"その他"_s, u"JavaScript"_s};
    const QList<int> tagCounts{2, 9, 13, 3, 2, 3, 15, 9, 4, 2, 3};
    QStringList actualNames;
    QList<int> actualCounts;
    for (const Category &category : catalogue()) {
        actualNames << category.name.toString();
        actualCounts << int(category.tags.size());
    }
    QCOMPARE(actualNames, names);
    QCOMPARE(actualCounts, tagCounts);
}

// The palette has twelve boxes and three combos; a tag needing more could not be shown.
static_assert(std::tuple_size_v<decltype(Tag::combos)> == 3 && std::tuple_size_v<decltype(Tag::labels)> == 3);

void TestCatalogue::setUpFitsThePalette()
{
    for (const Category &category : catalogue()) {
        for (const Tag &tag : category.tags) {
            const QString where = category.name + u" / " + tag.label;
            QVERIFY2(tag.checks.size() <= 12, qPrintable(where));
            QVERIFY2(tag.ticked < box(13), qPrintable(where));
            for (int n = 1; n <= 12; ++n) {
                if (tag.ticked & box(n))
                    QVERIFY2(std::size_t(n) <= tag.checks.size() && !tag.checks[n - 1].caption.isEmpty(),
                             qPrintable(where + u": a pre-ticked box is hidden"));
            }
        }
    }
}

void TestCatalogue::hiddenControlsLeaveTheMarkup_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    const auto categories = catalogue();
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu)
            QTest::addRow("%s, %s", qPrintable(categories[kind].name.toString()),
                          qPrintable(categories[kind].tags[tagu].label.toString()))
                << kind << tagu;
    }
}

static bool boxShown(const Tag &tag, int n)
{
    return std::size_t(n) <= tag.checks.size() && !tag.checks[n - 1].caption.isEmpty();
}

// Two starting points: as the set-up leaves the palette, and with every shown
// box ticked and every shown combo at its last item, so that a hidden control
// cannot hide behind an unticked one.
static QList<PaletteState> startingStates(const Tag &tag)
{
    PaletteState asSetUp;
    PaletteState everything;
    for (int n = 1; n <= 12; ++n) {
        asSetUp.checks[n - 1] = tag.ticked & box(n);
        everything.checks[n - 1] = boxShown(tag, n);
    }
    for (int combo = 0; combo < 3; ++combo)
        everything.combos[combo] = int(tag.combos[combo].size()) - 1;
    return {asSetUp, everything};
}

void TestCatalogue::hiddenControlsLeaveTheMarkup()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    const Tag &tag = tagAt(kind, tagu);
    for (const PaletteState &start : startingStates(tag)) {
        const auto expected = paletteMarkup(kind, tagu, start);
        QVERIFY(expected.has_value());
        for (int n = 1; n <= 12; ++n) {
            if (boxShown(tag, n))
                continue;
            PaletteState state = start;
            state.checks[n - 1] = true;
            QVERIFY2(paletteMarkup(kind, tagu, state) == expected, qPrintable(u"hidden Check%1"_s.arg(n)));
        }
        for (int combo = 0; combo < 3; ++combo) {
            if (!tag.combos[combo].empty())
                continue;
            for (const int index : {0, 1, 8}) {
                PaletteState state = start;
                state.combos[combo] = index;
                QVERIFY2(paletteMarkup(kind, tagu, state) == expected,
                         qPrintable(u"hidden zokusei%1 at %2"_s.arg(combo + 1).arg(index)));
            }
        }
    }
}

void TestCatalogue::indexesWithoutTag_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    QTest::addRow("no category chosen") << -1 << 0;
    QTest::addRow("category past the last") << 11 << 0;
    QTest::addRow("no tag chosen") << 6 << -1;
    QTest::addRow("tag past the last of its category") << 2 << 13;
}

void TestCatalogue::indexesWithoutTag()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    QCOMPARE(paletteMarkup(kind, tagu, stateOf({1, 2, 3}, {0, 0, 0})), std::nullopt);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
