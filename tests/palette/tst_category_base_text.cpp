// SPDX-License-Identifier: GPL-3.0-or-later
// The markup of the base-settings and text categories, through the catalogue
// as Insert reaches it.
#include "palette/catalogue.h"
#include "palettestate.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCategoryBaseText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void markup_data();
    void markup();
    void setUp_data();
    void setUp();
};

static QString page(const QString &bodyTag)
{
    return u"<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>\r\n"_s + bodyTag
        + u"\r\n\r\n<!--ここに本文-->\r\n\r\n</BODY></HTML>"_s;
}

void TestCategoryBaseText::markup_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QString>("expected");

    QTest::addRow("page, nothing ticked") << 0 << 0 << QList<int>{} << QList<int>{} << page(u"<BODY>"_s);
    QTest::addRow("page, background colour and left margin")
        << 0 << 0 << QList<int>{7, 1} << QList<int>{} << page(u"<BODY bgcolor='' leftmargin=''>"_s);
    QTest::addRow("page, all eight in box order")
        << 0 << 0 << QList<int>{8, 7, 6, 5, 4, 3, 2, 1} << QList<int>{}
        << page(u"<BODY bgcolor='' background='' text='' link='' alink='' vlink='' leftmargin='' topmargin=''>"_s);
    QTest::addRow("rule, no position") << 0 << 1 << QList<int>{} << QList<int>{} << u"<HR align=''>"_s;
    QTest::addRow("rule, noshade, centred") << 0 << 1 << QList<int>{3} << QList<int>{1} << u"<HR noshade align='center'>"_s;
    QTest::addRow("rule, all four, right")
        << 0 << 1 << QList<int>{4, 3, 2, 1} << QList<int>{2} << u"<HR size='' width='' noshade color='' align='right'>"_s;
    QTest::addRow("rule, left") << 0 << 1 << QList<int>{} << QList<int>{0} << u"<HR align='left'>"_s;

    QTest::addRow("heading, level 2, centred") << 1 << 0 << QList<int>{} << QList<int>{1, 1} << u"<H2 align='center'></H2>"_s;
    QTest::addRow("heading, level 1 only") << 1 << 0 << QList<int>{} << QList<int>{0} << u"<H1 align=''></H1>"_s;
    QTest::addRow("heading, level 6, left") << 1 << 0 << QList<int>{} << QList<int>{5, 0} << u"<H6 align='left'></H6>"_s;
    QTest::addRow("heading, nothing chosen") << 1 << 0 << QList<int>{} << QList<int>{} << u"<H align=''></H>"_s;
    QTest::addRow("heading, position without level") << 1 << 0 << QList<int>{} << QList<int>{-1, 2} << u"<H align='right'></H>"_s;
    QTest::addRow("paragraph, right") << 1 << 1 << QList<int>{} << QList<int>{2} << u"<P align='right'>"_s;
    QTest::addRow("paragraph, no position") << 1 << 1 << QList<int>{} << QList<int>{} << u"<P align=''>"_s;
    QTest::addRow("line break") << 1 << 2 << QList<int>{} << QList<int>{} << u"<BR>"_s;
    QTest::addRow("no break") << 1 << 3 << QList<int>{} << QList<int>{} << u"<NOBR></NOBR>"_s;
    QTest::addRow("positioned block, centred") << 1 << 4 << QList<int>{} << QList<int>{1} << u"<DIV align='center'>"_s;
    QTest::addRow("positioned block, no position") << 1 << 4 << QList<int>{} << QList<int>{} << u"<DIV align=''>"_s;
    QTest::addRow("centred block") << 1 << 5 << QList<int>{} << QList<int>{} << u"<CENTER></CENTER>"_s;
    QTest::addRow("preformatted") << 1 << 6 << QList<int>{} << QList<int>{} << u"<PRE></PRE>"_s;
    QTest::addRow("long quotation") << 1 << 7 << QList<int>{} << QList<int>{} << u"<BLOCKQUOTE></BLOCKQUOTE>"_s;
    QTest::addRow("scrolling, loop, back and forth, right")
        << 1 << 8 << QList<int>{5} << QList<int>{1, 1} << u"<MARQUEE loop='' behavior='alternate' direction='right'>"_s;
    QTest::addRow("scrolling, nothing set") << 1 << 8 << QList<int>{} << QList<int>{} << u"<MARQUEE behavior='' direction=''>"_s;
    QTest::addRow("scrolling, all eight boxes, slide left")
        << 1 << 8 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << QList<int>{2, 0}
        << u"<MARQUEE height='' width='' hspace='' vspace='' loop='' scrolldelay='' scrollamount='' bgcolor='' behavior='slide' direction='left'>"_s;
    QTest::addRow("scrolling, direction only") << 1 << 8 << QList<int>{} << QList<int>{-1, 0}
                                                << u"<MARQUEE behavior='' direction='left'>"_s;
}

void TestCategoryBaseText::markup()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    QFETCH(QList<int>, ticked);
    QFETCH(QList<int>, chosen);
    QFETCH(QString, expected);

    const auto markup = paletteMarkup(kind, tagu, paletteState(ticked, chosen));
    QVERIFY(markup.has_value());
    QCOMPARE(*markup, expected);
}

void TestCategoryBaseText::setUp_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<QStringList>>("items");

    const QStringList positions{u"左寄せ"_s, u"センタリング"_s, u"右寄せ"_s};
    QTest::addRow("page") << 0 << 0 << u"ベース"_s
                          << QStringList{u"背景色"_s, u"背景画像"_s, u"テキスト色"_s, u"リンク色"_s, u"動作中リンク色"_s,
                                         u"訪問済みリンク色"_s, u"左余白"_s, u"上余白"_s}
                          << QStringList{} << QList<QStringList>{};
    QTest::addRow("rule") << 0 << 1 << u"罫線"_s << QStringList{u"線の太さ"_s, u"線の幅"_s, u"影なし"_s, u"色指定"_s}
                          << QStringList{u"位置（左右）"_s} << QList<QStringList>{positions};
    QTest::addRow("heading") << 1 << 0 << u"見出し"_s << QStringList{} << QStringList{u"見出しレベル"_s, u"位置（左右）"_s}
                             << QList<QStringList>{{u"１（最大）"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６（最小）"_s}, positions};
    QTest::addRow("paragraph") << 1 << 1 << u"段落"_s << QStringList{} << QStringList{u"位置（左右）"_s}
                               << QList<QStringList>{positions};
    QTest::addRow("line break") << 1 << 2 << u"改行"_s << QStringList{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("no break") << 1 << 3 << u"改行禁止"_s << QStringList{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("positioned block") << 1 << 4 << u"位置指定"_s << QStringList{} << QStringList{u"位置（左右）"_s}
                                      << QList<QStringList>{positions};
    QTest::addRow("centred block") << 1 << 5 << u"センタリング"_s << QStringList{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("preformatted") << 1 << 6 << u"そのまま表示"_s << QStringList{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("long quotation") << 1 << 7 << u"長文引用"_s << QStringList{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("scrolling") << 1 << 8 << u"スクロール"_s
                               << QStringList{u"高さ"_s, u"幅"_s, u"左右の余白"_s, u"上下の余白"_s, u"ループ回数"_s,
                                              u"再描画までの時間"_s, u"再描画までの距離"_s, u"背景色"_s}
                               << QStringList{u"動き方"_s, u"方向"_s}
                               << QList<QStringList>{{u"繰り返し"_s, u"往復"_s, u"端で停止"_s}, {u"左"_s, u"右"_s}};
}

// What choosing the tag shows: its label, box captions, combo captions and items.
void TestCategoryBaseText::setUp()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    QFETCH(QString, label);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, labels);
    QFETCH(QList<QStringList>, items);

    const Tag &tag = catalogue()[kind].tags[tagu];
    QCOMPARE(tag.label.toString(), label);
    QStringList shownChecks;
    for (const Option &option : tag.checks)
        shownChecks << option.caption.toString();
    QCOMPARE(shownChecks, checks);
    QCOMPARE(tag.ticked, 0u);
    QStringList shownLabels;
    QList<QStringList> shownItems;
    for (int i = 0; i < 3; ++i) {
        if (!tag.labels[i].isEmpty())
            shownLabels << tag.labels[i].toString();
        if (!tag.combos[i].empty()) {
            QStringList list;
            for (const Choice &choice : tag.combos[i])
                list << choice.item.toString();
            shownItems << list;
        }
    }
    QCOMPARE(shownLabels, labels);
    QCOMPARE(shownItems, items);
}

QTEST_APPLESS_MAIN(TestCategoryBaseText)
#include "tst_category_base_text.moc"
