// SPDX-License-Identifier: GPL-3.0-or-later
// The text category: headings, paragraphs, breaks and text blocks.
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 1;
};

void TestCategoryText::markup_data()
{
    addMarkupColumns();
    QTest::addRow("heading, level 2, centred")
        << 0 << Ticked{} << Chosen{1, 1} << u"<H2 align='center'></H2>"_s;
    QTest::addRow("heading, level 1 only")
        << 0 << Ticked{} << Chosen{0} << u"<H1 align=''></H1>"_s;
    QTest::addRow("heading, level 6, left")
        << 0 << Ticked{} << Chosen{5, 0} << u"<H6 align='left'></H6>"_s;
    QTest::addRow("heading, nothing chosen")
        << 0 << Ticked{} << Chosen{} << u"<H align=''></H>"_s;
    QTest::addRow("heading, position without level")
        << 0 << Ticked{} << Chosen{-1, 2} << u"<H align='right'></H>"_s;
    QTest::addRow("paragraph, right")
        << 1 << Ticked{} << Chosen{2} << u"<P align='right'>"_s;
    QTest::addRow("paragraph, no position")
        << 1 << Ticked{} << Chosen{} << u"<P align=''>"_s;
    QTest::addRow("line break")
        << 2 << Ticked{} << Chosen{} << u"<BR>"_s;
    QTest::addRow("no break")
        << 3 << Ticked{} << Chosen{} << u"<NOBR></NOBR>"_s;
    QTest::addRow("positioned block, centred")
        << 4 << Ticked{} << Chosen{1} << u"<DIV align='center'>"_s;
    QTest::addRow("positioned block, no position")
        << 4 << Ticked{} << Chosen{} << u"<DIV align=''>"_s;
    QTest::addRow("centred block")
        << 5 << Ticked{} << Chosen{} << u"<CENTER></CENTER>"_s;
    QTest::addRow("preformatted")
        << 6 << Ticked{} << Chosen{} << u"<PRE></PRE>"_s;
    QTest::addRow("long quotation")
        << 7 << Ticked{} << Chosen{} << u"<BLOCKQUOTE></BLOCKQUOTE>"_s;
    QTest::addRow("scrolling, loop, back and forth, right")
        << 8 << Ticked{5} << Chosen{1, 1} << u"<MARQUEE loop='' behavior='alternate' direction='right'>"_s;
    QTest::addRow("scrolling, nothing set")
        << 8 << Ticked{} << Chosen{} << u"<MARQUEE behavior='' direction=''>"_s;
    QTest::addRow("scrolling, all eight boxes, slide left")
        << 8 << Ticked{1, 2, 3, 4, 5, 6, 7, 8} << Chosen{2, 0} << u"<MARQUEE height='' width='' hspace='' vspace='' loop='' scrolldelay='' scrollamount='' bgcolor='' behavior='slide' direction='left'>"_s;
    QTest::addRow("scrolling, direction only")
        << 8 << Ticked{} << Chosen{-1, 0} << u"<MARQUEE behavior='' direction='left'>"_s;
}

void TestCategoryText::setUp_data()
{
    addSetUpColumns();
    const QStringList positions{u"左寄せ"_s, u"センタリング"_s, u"右寄せ"_s};
    QTest::addRow("heading")
        << 0 << u"見出し"_s << QStringList{} << Ticked{} << QStringList{u"見出しレベル"_s, u"位置（左右）"_s}
        << QList<QStringList>{{u"１（最大）"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６（最小）"_s}, positions};
    QTest::addRow("paragraph")
        << 1 << u"段落"_s << QStringList{} << Ticked{} << QStringList{u"位置（左右）"_s}
        << QList<QStringList>{positions};
    QTest::addRow("line break")
        << 2 << u"改行"_s << QStringList{} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("no break")
        << 3 << u"改行禁止"_s << QStringList{} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("positioned block")
        << 4 << u"位置指定"_s << QStringList{} << Ticked{} << QStringList{u"位置（左右）"_s}
        << QList<QStringList>{positions};
    QTest::addRow("centred block")
        << 5 << u"センタリング"_s << QStringList{} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("preformatted")
        << 6 << u"そのまま表示"_s << QStringList{} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("long quotation")
        << 7 << u"長文引用"_s << QStringList{} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("scrolling")
        << 8 << u"スクロール"_s << QStringList{u"高さ"_s, u"幅"_s, u"左右の余白"_s, u"上下の余白"_s, u"ループ回数"_s,
                                              u"再描画までの時間"_s, u"再描画までの距離"_s, u"背景色"_s} << Ticked{} << QStringList{u"動き方"_s, u"方向"_s}
        << QList<QStringList>{{u"繰り返し"_s, u"往復"_s, u"端で停止"_s}, {u"左"_s, u"右"_s}};
}

QTEST_APPLESS_MAIN(TestCategoryText)
#include "tst_category_text.moc"
