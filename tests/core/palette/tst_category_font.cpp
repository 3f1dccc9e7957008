// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryFont : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 2;
};

void TestCategoryFont::markup_data()
{
    addMarkupColumns();
    QTest::addRow("font, size and face") << 0 << Ticked{1, 2} << Chosen{} << u"<FONT size='' face=''>"_s;
    QTest::addRow("font, no box") << 0 << Ticked{} << Chosen{} << u"<FONT>"_s;
    QTest::addRow("font, face alone") << 0 << Ticked{2} << Chosen{} << u"<FONT face=''>"_s;
    QTest::addRow("bold") << 1 << Ticked{} << Chosen{} << u"<B></B>"_s;
    QTest::addRow("italic") << 2 << Ticked{} << Chosen{} << u"<I></I>"_s;
    QTest::addRow("strike-through") << 3 << Ticked{} << Chosen{} << u"<STRIKE></STRIKE>"_s;
    QTest::addRow("monospace") << 4 << Ticked{} << Chosen{} << u"<TT></TT>"_s;
    QTest::addRow("underline") << 5 << Ticked{} << Chosen{} << u"<U></U>"_s;
    QTest::addRow("superscript") << 6 << Ticked{} << Chosen{} << u"<SUP></SUP>"_s;
    QTest::addRow("subscript") << 7 << Ticked{} << Chosen{} << u"<SUB></SUB>"_s;
    QTest::addRow("big") << 8 << Ticked{} << Chosen{} << u"<BIG></BIG>"_s;
    QTest::addRow("small") << 9 << Ticked{} << Chosen{} << u"<SMALL></SMALL>"_s;
    QTest::addRow("emphasis") << 10 << Ticked{} << Chosen{} << u"<EM></EM>"_s;
    QTest::addRow("strong emphasis") << 11 << Ticked{} << Chosen{} << u"<STRONG></STRONG>"_s;
    QTest::addRow("references, all three") << 12 << Ticked{1, 2, 3} << Chosen{} << u"&lt;&gt;&nbsp;"_s;
    QTest::addRow("references, space alone") << 12 << Ticked{3} << Chosen{} << u"&nbsp;"_s;
    QTest::addRow("references, less-than first") << 12 << Ticked{2, 1} << Chosen{} << u"&lt;&gt;"_s;
    QTest::addRow("references, greater-than and space") << 12 << Ticked{3, 2} << Chosen{} << u"&gt;&nbsp;"_s;
    QTest::addRow("references, no box: empty snippet") << 12 << Ticked{} << Chosen{} << QString();
}

void TestCategoryFont::setUp_data()
{
    addSetUpColumns();
    const QStringList none;
    const Ticked noTicks;
    const QList<QStringList> noCombos;
    QTest::addRow("font") << 0 << u"フォント"_s << QStringList{u"サイズ"_s, u"種類"_s} << noTicks << none << noCombos;
    const QStringList styles{u"太字"_s, u"斜体"_s, u"抹消線"_s, u"等幅"_s, u"下線"_s, u"上付き"_s,
                             u"下付き"_s, u"大きい文字"_s, u"小さい文字"_s, u"強調"_s, u"より強調"_s};
    for (int i = 0; i < styles.size(); ++i)
        QTest::addRow("style %d, nothing shown", i + 1) << i + 1 << styles[i] << none << noTicks << none << noCombos;
    QTest::addRow("character references") << 12 << u"特殊な文字"_s
                                          << QStringList{u"<"_s, u">"_s, u"（半角スペース）"_s} << noTicks << none
                                          << noCombos;
}

QTEST_APPLESS_MAIN(TestCategoryFont)
#include "tst_category_font.moc"
