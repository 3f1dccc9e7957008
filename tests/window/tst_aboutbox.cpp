// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/aboutbox.h"
#include "core/window/abouttext.h"
#include "core/window/apptitle.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// What the box showed while it was open.
struct Seen {
    bool found = false;
    bool modal = false;
    QString caption;
    QString title;
    QFont titleFont;
    QString version;
    QString rights;
    QString address;
    bool addressReadOnly = false;
    QSize iconSize;
    QSize clientSize;
    bool fixedSize = false;
    QString okCaption;
};

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionLine_data();
    void versionLine();
    void boxShowsTitleVersionAndIcon();
    void okClosesAndTheNextBoxIsFresh();

private:
    // Opens the box over window, notes what it shows and presses OK.
    Seen showAndClose(QWidget *window);
};

void TestAboutBox::versionLine_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("line");

    QTest::addRow("the released 1.0.4") << 1 << 0 << 4 << u"Ver 1.0.4"_s;
    QTest::addRow("a two-digit revision without leading zeros or blanks") << 1 << 2 << 10 << u"Ver 1.2.10"_s;
    QTest::addRow("two-digit major and minor") << 10 << 11 << 0 << u"Ver 10.11.0"_s;
}

void TestAboutBox::versionLine()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, line);

    QCOMPARE(::versionLine(AppVersion{major, minor, revision}), line);
}

Seen TestAboutBox::showAndClose(QWidget *window)
{
    Seen seen;
    QMetaObject::invokeMethod(
        this,
        [&seen] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != u"frmAbout"_s) {
                if (box)
                    box->reject();
                return;
            }
            seen.found = true;
            seen.modal = box->isModal();
            seen.caption = box->windowTitle();
            seen.clientSize = box->size();
            seen.fixedSize = box->minimumSize() == box->maximumSize();
            if (auto *title = box->findChild<QLabel *>(u"lblTitle"_s)) {
                seen.title = title->text();
                seen.titleFont = title->font();
            }
            if (auto *version = box->findChild<QLabel *>(u"lblVersion"_s))
                seen.version = version->text();
            if (auto *rights = box->findChild<QLabel *>(u"lblRights"_s))
                seen.rights = rights->text();
            if (auto *address = box->findChild<QLineEdit *>(u"Text1"_s)) {
                seen.address = address->text();
                seen.addressReadOnly = address->isReadOnly();
            }
            if (auto *pic = box->findChild<QLabel *>(u"Pic"_s))
                seen.iconSize = pic->pixmap().size();
            auto *ok = box->findChild<QPushButton *>(u"cmdOK"_s);
            if (!ok) {
                box->reject();
                return;
            }
            seen.okCaption = ok->text();
            QTest::mouseClick(ok, Qt::LeftButton);
        },
        Qt::QueuedConnection);
    showAboutBox(window);
    return seen;
}

void TestAboutBox::boxShowsTitleVersionAndIcon()
{
    QMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const Seen seen = showAndClose(&window);

    QVERIFY(seen.found);
    QVERIFY(seen.modal);
    QCOMPARE(seen.caption, u"タグポットのﾊﾞｰｼﾞｮﾝ情報"_s);
    QCOMPARE(seen.title, u"タグポット"_s);
    QCOMPARE(seen.titleFont.pointSize(), 12);
    QVERIFY(seen.titleFont.bold());
    QCOMPARE(seen.titleFont.family(), u"ＭＳ Ｐゴシック"_s);
    // The version declared once for the build.
    QCOMPARE(seen.version, ::versionLine(appVersion));
    QVERIFY(seen.version.startsWith(u"Ver "_s));
    QVERIFY(!seen.rights.isEmpty());
    QVERIFY(seen.address.startsWith(u"https://"_s));
    QVERIFY(seen.addressReadOnly);
    // The icon is compiled in and drawn by the SVG icon engine.
    QCOMPARE(seen.iconSize, QSize(32, 32));
    QVERIFY(seen.fixedSize);
    QCOMPARE(seen.clientSize, QSize(5730 / 15, 2385 / 15));
    QCOMPARE(seen.okCaption, u"OK"_s);
}

void TestAboutBox::okClosesAndTheNextBoxIsFresh()
{
    QMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const Seen first = showAndClose(&window);
    QVERIFY(first.found);
    // Gone, and the window takes input again.
    QVERIFY(window.findChildren<QDialog *>().isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    const Seen second = showAndClose(&window);
    QVERIFY(second.found);
    QCOMPARE(second.caption, first.caption);
    QCOMPARE(second.title, first.title);
    QCOMPARE(second.version, first.version);
    QCOMPARE(second.address, first.address);
    QVERIFY(window.findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
