// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryLink : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 5;
};

void TestCategoryLink::markup_data()
{
    addMarkupColumns();
    QTest::addRow("hyperlink with target frame") << 0 << Ticked{1} << Chosen{} << u"<A href='' target=''></A>"_s;
    QTest::addRow("hyperlink") << 0 << Ticked{} << Chosen{} << u"<A href=''></A>"_s;
    QTest::addRow("named anchor, no end tag") << 1 << Ticked{} << Chosen{} << u"<A name=''>"_s;
    QTest::addRow("mail link with subject inside the address")
        << 2 << Ticked{1} << Chosen{} << u"<A href='mailto:メールアドレス?subject='>"_s;
    QTest::addRow("mail link") << 2 << Ticked{} << Chosen{} << u"<A href='mailto:メールアドレス'>"_s;
}

void TestCategoryLink::setUp_data()
{
    addSetUpColumns();
    QTest::addRow("hyperlink") << 0 << u"リンク作成"_s << QStringList{u"リンク先フレーム指定"_s} << Ticked{}
                               << QStringList{} << QList<QStringList>{};
    QTest::addRow("named anchor, nothing shown")
        << 1 << u"ページ内場所指定"_s << QStringList{} << Ticked{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("mail link") << 2 << u"メール送信"_s << QStringList{u"件名指定"_s} << Ticked{} << QStringList{}
                               << QList<QStringList>{};
}

QTEST_APPLESS_MAIN(TestCategoryLink)
#include "tst_category_link.moc"
