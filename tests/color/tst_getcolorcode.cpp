// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commondialog.h"
#include "app/mainwindow.h"
#include "scripteddialogs.h"
#include "testsettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QAction>
#include <QMimeData>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Something the user copied elsewhere, in more than one format.
void fillClipboard()
{
    auto *data = new QMimeData;
    data->setText(u"copied text"_s);
    data->setHtml(u"<b>copied</b>"_s);
    data->setData(u"application/x-other"_s, "bytes");
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class TestGetColorCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void copiesCode_data();
    void copiesCode();
    void opensOnLastColour();
    void cancelLeavesClipboard();

private:
    // The command as the user starts it: the Tools menu item.
    void getColors() { m_window->findChild<QAction *>(u"GetColors"_s)->trigger(); }

    MainWindow *m_window = nullptr;
    CommonDialog *m_dialog = nullptr;
    DialogScript m_dialogs;
};

void TestGetColorCode::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_dialog = m_window->commonDialog();
    m_dialogs = {};
    m_dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
}

void TestGetColorCode::cleanup()
{
    delete m_window;
}

void TestGetColorCode::copiesCode_data()
{
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("code");

    QTest::addRow("white") << QColor(255, 255, 255) << u"FFFFFF"_s;
    QTest::addRow("black") << QColor(0, 0, 0) << u"000000"_s;
    QTest::addRow("red 255, green 0, blue 16") << QColor(255, 0, 16) << u"FF0010"_s;
    QTest::addRow("dark blue") << QColor(0, 0, 128) << u"000080"_s;
    QTest::addRow("small parts keep two digits") << QColor(5, 0, 171) << u"0500AB"_s;
    QTest::addRow("pure green") << QColor(0, 255, 0) << u"00FF00"_s;
}

// The six digits replace whatever the clipboard held, in every format.
void TestGetColorCode::copiesCode()
{
    QFETCH(QColor, chosen);
    QFETCH(QString, code);

    fillClipboard();
    m_dialogs.colors = {chosen};
    getColors();

    QCOMPARE(m_dialog->flags(), 9);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList{u"text/plain"_s});
    QCOMPARE(data->text(), code);
    QCOMPARE(QGuiApplication::clipboard()->text(), code);
}

void TestGetColorCode::opensOnLastColour()
{
    m_dialogs.colors = {QColor(255, 0, 16), QColor(0, 0, 128)};
    getColors();
    getColors();
    getColors();

    const QList<QColor> started{QColor(0, 0, 0), QColor(255, 0, 16), QColor(0, 0, 128)};
    QCOMPARE(m_dialogs.offeredColors, started);
    QCOMPARE(m_dialog->color(), 0x800000u);
}

void TestGetColorCode::cancelLeavesClipboard()
{
    m_dialogs.colors = {QColor(255, 0, 16)};
    getColors();
    fillClipboard();

    getColors();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), u"copied text"_s);
    QCOMPARE(data->html(), u"<b>copied</b>"_s);
    QCOMPARE(data->data(u"application/x-other"_s), QByteArray("bytes"));
    QCOMPARE(m_dialog->color(), 0x1000FFu);
}

QTEST_MAIN(TestGetColorCode)
#include "tst_getcolorcode.moc"
