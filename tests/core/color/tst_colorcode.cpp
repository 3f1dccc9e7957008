// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/color/colorcode.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestColorCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void TestColorCode::split_data()
{
    QTest::addColumn<qint32>("color");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("code");

    QTest::addRow("black") << qint32(0) << 0 << 0 << 0 << u"000000"_s;
    QTest::addRow("white") << qint32(0xFFFFFF) << 255 << 255 << 255 << u"FFFFFF"_s;
    QTest::addRow("red is the lowest byte") << qint32(0x0000FF) << 255 << 0 << 0 << u"FF0000"_s;
    QTest::addRow("blue is the third byte") << qint32(0x800000) << 0 << 0 << 128 << u"000080"_s;
    QTest::addRow("one digit parts get a leading zero") << qint32(0x0A0105) << 5 << 1 << 10 << u"05010A"_s;
    QTest::addRow("mixed, upper-case digits") << qint32(0x1000FF) << 255 << 0 << 16 << u"FF0010"_s;
    QTest::addRow("negative value: truncated remainders") << qint32(-1) << -1 << 0 << 0 << u"FF0000"_s;
    QTest::addRow("negative value with a high byte") << qint32(-65536 - 256 - 2) << -2 << -1 << -1 << u"FEFFFF"_s;
}

void TestColorCode::split()
{
    QFETCH(qint32, color);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, code);

    const RGBParts parts = SplitColor(color);
    QCOMPARE(parts.Red, red);
    QCOMPARE(parts.Green, green);
    QCOMPARE(parts.Blue, blue);
    QCOMPARE(colorCode(parts), code);
}

QTEST_APPLESS_MAIN(TestColorCode)
#include "tst_colorcode.moc"
