// SPDX-License-Identifier: GPL-3.0-or-later
// Where a dialog goes on screens larger and smaller than it.
#include "core/window/dialogfit.h"

#include <QTest>

Q_DECLARE_METATYPE(DialogFit)

class TestDialogFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
};

void TestDialogFit::fit_data()
{
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<DialogFit>("fit");

    // The table wizard's 770 x 816 on common screens, a 40-pixel task bar at the bottom.
    QTest::addRow("full HD: the designed size, centred")
        << QSize(770, 816) << QRect(0, 0, 1920, 1040) << DialogFit{QRect(575, 125, 770, 816), false};
    QTest::addRow("1366 x 768: as high as the free area, full width")
        << QSize(770, 816) << QRect(0, 0, 1366, 728) << DialogFit{QRect(298, 30, 770, 694), true};
    QTest::addRow("1024 x 768: as high as the free area")
        << QSize(770, 816) << QRect(0, 0, 1024, 728) << DialogFit{QRect(127, 30, 770, 694), true};
    QTest::addRow("narrower than the dialog too")
        << QSize(770, 816) << QRect(0, 0, 640, 480) << DialogFit{QRect(4, 30, 632, 446), true};
    QTest::addRow("a second screen to the right")
        << QSize(770, 816) << QRect(1920, 0, 1366, 728) << DialogFit{QRect(2218, 30, 770, 694), true};
    QTest::addRow("exactly fits") << QSize(100, 100) << QRect(0, 0, 108, 134) << DialogFit{QRect(4, 30, 100, 100), false};
}

void TestDialogFit::fit()
{
    QFETCH(QSize, wanted);
    QFETCH(QRect, available);
    QFETCH(DialogFit, fit);
    const DialogFit got = fitDialog(wanted, available, QMargins(4, 30, 4, 4));
    QCOMPARE(got.geometry, fit.geometry);
    QCOMPARE(got.shrunk, fit.shrunk);
}

QTEST_APPLESS_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
