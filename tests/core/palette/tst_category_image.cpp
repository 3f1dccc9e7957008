// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryImage : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 4;
};

void TestCategoryImage::markup_data()
{
    addMarkupColumns();
    QTest::addRow("image, alt and border, text wraps on the right")
        << 0 << Ticked{1, 4} << Chosen{3} << u"<IMG src='' alt='' border='' align='left'>"_s;
    QTest::addRow("image, nothing ticked or chosen") << 0 << Ticked{} << Chosen{} << u"<IMG src='' align=''>"_s;
    QTest::addRow("image, all six boxes in order")
        << 0 << Ticked{6, 5, 4, 3, 2, 1} << Chosen{}
        << u"<IMG src='' alt='' width='' height='' border='' vspace='' hspace='' align=''>"_s;
    QTest::addRow("image, text wraps on the left") << 0 << Ticked{} << Chosen{4} << u"<IMG src='' align='right'>"_s;
    QTest::addRow("image, top") << 0 << Ticked{} << Chosen{0} << u"<IMG src='' align='top'>"_s;
    QTest::addRow("image, middle") << 0 << Ticked{} << Chosen{1} << u"<IMG src='' align='middle'>"_s;
    QTest::addRow("image, bottom") << 0 << Ticked{2} << Chosen{2} << u"<IMG src='' width='' align='bottom'>"_s;
    QTest::addRow("end of text wrapping") << 1 << Ticked{} << Chosen{} << u"<BR clear='all'>"_s;
}

void TestCategoryImage::setUp_data()
{
    addSetUpColumns();
    QTest::addRow("image") << 0 << u"画像表示"_s
                           << QStringList{u"画像代わりテキスト"_s, u"幅"_s, u"高さ"_s, u"枠線"_s,
                                          u"画像とテキストの間隔（上下）"_s, u"画像とテキストの間隔（左右）"_s}
                           << Ticked{} << QStringList{u"テキスト位置"_s}
                           << QList<QStringList>{QStringList{u"上"_s, u"中央"_s, u"下"_s, u"右に回りこみ"_s, u"左に回りこみ"_s}};
    QTest::addRow("end of text wrapping, nothing shown")
        << 1 << u"テキスト回り込み解除"_s << QStringList{} << Ticked{} << QStringList{} << QList<QStringList>{};
}

QTEST_APPLESS_MAIN(TestCategoryImage)
#include "tst_category_image.moc"
