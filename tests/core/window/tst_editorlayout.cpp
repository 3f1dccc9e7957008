// SPDX-License-Identifier: GPL-3.0-or-later
// How the editor follows the window, and the whole-number rounding of sizes.
#include "core/window/editorlayout.h"
#include "core/window/wholenumber.h"

#include <QTest>

class TestEditorLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editorSize_data();
    void editorSize();
    void roundHalfEven_data();
    void roundHalfEven();
};

void TestEditorLayout::editorSize_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("expected"); // invalid: the editor keeps its size

    QTest::addRow("design size") << false << 748 << QSize(748, 521) << QSize(600, 521);
    QTest::addRow("wider and taller") << false << 1200 << QSize(1200, 900) << QSize(1052, 900);
    QTest::addRow("minimised") << true << 1200 << QSize(1200, 900) << QSize();
    QTest::addRow("as narrow as the palette reserve") << false << 147 << QSize(147, 500) << QSize();
    QTest::addRow("just wider than the reserve") << false << 148 << QSize(148, 500) << QSize(0, 500);
    QTest::addRow("borders make the client narrower than the reserve") << false << 160 << QSize(140, 500) << QSize(0, 500);
    QTest::addRow("no client height") << false << 800 << QSize(800, 0) << QSize(652, 0);
}

void TestEditorLayout::editorSize()
{
    QFETCH(bool, minimised);
    QFETCH(int, outerWidth);
    QFETCH(QSize, client);
    QFETCH(QSize, expected);

    const auto size = ::editorSize(minimised, outerWidth, client);
    QCOMPARE(size.has_value(), expected.isValid());
    if (size)
        QCOMPARE(*size, expected);
}

void TestEditorLayout::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("expected");

    QTest::addRow("10 stays") << 10.0 << 10LL;
    QTest::addRow("10.5 to the even 10") << 10.5 << 10LL;
    QTest::addRow("11.5 to the even 12") << 11.5 << 12LL;
    QTest::addRow("11.25 down") << 11.25 << 11LL;
    QTest::addRow("11.75 up") << 11.75 << 12LL;
    QTest::addRow("-2.5 to the even -2") << -2.5 << -2LL;
    QTest::addRow("0.5 to zero") << 0.5 << 0LL;
}

void TestEditorLayout::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(long long, expected);
    QCOMPARE(::roundHalfEven(value), expected);
}

QTEST_APPLESS_MAIN(TestEditorLayout)
#include "tst_editorlayout.moc"
