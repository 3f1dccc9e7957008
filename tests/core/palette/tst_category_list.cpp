// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryList : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 3;
};

void TestCategoryList::markup_data()
{
    addMarkupColumns();
    QTest::addRow("bulleted, list and item, white circle")
        << 0 << Ticked{1, 2, 3} << Chosen{1} << u"<UL type='circle'><LI></LI></UL>"_s;
    QTest::addRow("bulleted, item alone, black square")
        << 0 << Ticked{2, 4} << Chosen{-1, 2} << u"<LI type='square'></LI>"_s;
    QTest::addRow("bulleted, list mark with no mark chosen") << 0 << Ticked{1, 3} << Chosen{} << u"<UL type=''></UL>"_s;
    QTest::addRow("bulleted, list mark box alone writes the attribute alone")
        << 0 << Ticked{3} << Chosen{0} << u" type='disc'"_s;
    QTest::addRow("bulleted, each combo drives its own attribute")
        << 0 << Ticked{1, 2, 3, 4} << Chosen{0, 2} << u"<UL type='disc'><LI type='square'></LI></UL>"_s;
    QTest::addRow("bulleted, a mark chosen without its box") << 0 << Ticked{2} << Chosen{1, 1} << u"<LI></LI>"_s;
    QTest::addRow("bulleted, no box: empty snippet") << 0 << Ticked{} << Chosen{0, 0} << QString();
    QTest::addRow("numbered, list, item, lower-case roman, start")
        << 1 << Ticked{1, 2, 3, 5} << Chosen{3} << u"<OL type='i' start=''><LI></LI></OL>"_s;
    QTest::addRow("numbered, all six boxes")
        << 1 << Ticked{1, 2, 3, 4, 5, 6} << Chosen{2, 0}
        << u"<OL type='A' start=''><LI type='1' value=''></LI></OL>"_s;
    QTest::addRow("numbered, start box alone") << 1 << Ticked{5} << Chosen{} << u" start=''"_s;
    QTest::addRow("numbered, item with upper-case roman and value")
        << 1 << Ticked{2, 4, 6} << Chosen{-1, 4} << u"<LI type='I' value=''></LI>"_s;
    QTest::addRow("numbered, lower-case letters on the list")
        << 1 << Ticked{1, 3} << Chosen{1} << u"<OL type='a'></OL>"_s;
    QTest::addRow("numbered, no box: empty snippet") << 1 << Ticked{} << Chosen{} << QString();
    QTest::addRow("definition, all three") << 2 << Ticked{1, 2, 3} << Chosen{} << u"<DL><DT></DT><DD></DD></DL>"_s;
    QTest::addRow("definition, term and description") << 2 << Ticked{2, 3} << Chosen{} << u"<DT></DT><DD></DD>"_s;
    QTest::addRow("definition, list alone") << 2 << Ticked{1} << Chosen{} << u"<DL></DL>"_s;
    QTest::addRow("definition, no box: empty snippet") << 2 << Ticked{} << Chosen{} << QString();
}

void TestCategoryList::setUp_data()
{
    addSetUpColumns();
    const QStringList bullets{u"黒丸"_s, u"白丸"_s, u"黒四角"_s};
    const QStringList numbers{u"アラビア数字"_s, u"小文字アルファベット"_s, u"大文字アルファベット"_s,
                              u"小文字ローマ数字"_s, u"大文字ローマ数字"_s};
    const QStringList markLabels{u"リストのマーク"_s, u"リスト項目のマーク"_s};
    QTest::addRow("bulleted list")
        << 0 << u"リスト"_s
        << QStringList{u"リスト定義"_s, u"リスト項目"_s, u"リストマーク変更"_s, u"リスト項目マーク変更"_s}
        << Ticked{} << markLabels << QList<QStringList>{bullets, bullets};
    QTest::addRow("numbered list")
        << 1 << u"番号付きリスト"_s
        << QStringList{u"リスト定義"_s, u"リスト項目"_s, u"リストマーク変更"_s, u"リスト項目マーク変更"_s,
                       u"リスト開始番号変更"_s, u"連番途中変更"_s}
        << Ticked{} << markLabels << QList<QStringList>{numbers, numbers};
    QTest::addRow("definition list") << 2 << u"用語定義"_s << QStringList{u"リスト定義"_s, u"用語"_s, u"解説"_s}
                                     << Ticked{} << QStringList{} << QList<QStringList>{};
}

QTEST_APPLESS_MAIN(TestCategoryList)
#include "tst_category_list.moc"
