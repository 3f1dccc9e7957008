// SPDX-License-Identifier: GPL-3.0-or-later
// The base-settings category: the page skeleton and the horizontal rule.
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryBase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 0;
};

static QString page(const QString &bodyTag)
{
    return u"<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>\r\n"_s + bodyTag
        + u"\r\n\r\n<!--ここに本文-->\r\n\r\n</BODY></HTML>"_s;
}

void TestCategoryBase::markup_data()
{
    addMarkupColumns();
    QTest::addRow("page, nothing ticked")
        << 0 << Ticked{} << Chosen{} << page(u"<BODY>"_s);
    QTest::addRow("page, background colour and left margin")
        << 0 << Ticked{7, 1} << Chosen{} << page(u"<BODY bgcolor='' leftmargin=''>"_s);
    QTest::addRow("page, all eight in box order")
        << 0 << Ticked{8, 7, 6, 5, 4, 3, 2, 1} << Chosen{} << page(u"<BODY bgcolor='' background='' text='' link='' alink='' vlink='' leftmargin='' topmargin=''>"_s);
    QTest::addRow("rule, no position")
        << 1 << Ticked{} << Chosen{} << u"<HR align=''>"_s;
    QTest::addRow("rule, noshade, centred")
        << 1 << Ticked{3} << Chosen{1} << u"<HR noshade align='center'>"_s;
    QTest::addRow("rule, all four, right")
        << 1 << Ticked{4, 3, 2, 1} << Chosen{2} << u"<HR size='' width='' noshade color='' align='right'>"_s;
    QTest::addRow("rule, left")
        << 1 << Ticked{} << Chosen{0} << u"<HR align='left'>"_s;
}

void TestCategoryBase::setUp_data()
{
    addSetUpColumns();
    const QStringList positions{u"左寄せ"_s, u"センタリング"_s, u"右寄せ"_s};
    QTest::addRow("page")
        << 0 << u"ベース"_s << QStringList{u"背景色"_s, u"背景画像"_s, u"テキスト色"_s, u"リンク色"_s, u"動作中リンク色"_s,
                                         u"訪問済みリンク色"_s, u"左余白"_s, u"上余白"_s} << Ticked{} << QStringList{}
        << QList<QStringList>{};
    QTest::addRow("rule")
        << 1 << u"罫線"_s << QStringList{u"線の太さ"_s, u"線の幅"_s, u"影なし"_s, u"色指定"_s} << Ticked{} << QStringList{u"位置（左右）"_s}
        << QList<QStringList>{positions};
}

QTEST_APPLESS_MAIN(TestCategoryBase)
#include "tst_category_base.moc"
