// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryOther : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 9;
};

void TestCategoryOther::markup_data()
{
    addMarkupColumns();
    QTest::addRow("plug-in, autostart and loop")
        << 0 << Ticked{4, 3} << Chosen{} << u"<EMBED src='' autostart='true' loop='true'>"_s;
    QTest::addRow("plug-in, nothing ticked") << 0 << Ticked{} << Chosen{} << u"<EMBED src=''>"_s;
    QTest::addRow("plug-in, all four in order")
        << 0 << Ticked{4, 3, 2, 1} << Chosen{} << u"<EMBED src='' width='' height='' autostart='true' loop='true'>"_s;
    QTest::addRow("plug-in, height alone") << 0 << Ticked{2} << Chosen{} << u"<EMBED src='' height=''>"_s;
    QTest::addRow("without plug-in support") << 1 << Ticked{} << Chosen{} << u"<NOEMBED></NOEMBED>"_s;
}

void TestCategoryOther::setUp_data()
{
    addSetUpColumns();
    QTest::addRow("plug-in") << 0 << u"ﾌﾟﾗｸﾞｲﾝを利用(BGM等)"_s
                             << QStringList{u"プラグイン幅指定"_s, u"プラグイン高さ指定"_s, u"自動再生"_s, u"ループ再生"_s}
                             << Ticked{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("without plug-in support, nothing shown")
        << 1 << u"未対応時の表示"_s << QStringList{} << Ticked{} << QStringList{} << QList<QStringList>{};
}

QTEST_APPLESS_MAIN(TestCategoryOther)
#include "tst_category_other.moc"
