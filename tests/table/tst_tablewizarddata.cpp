// SPDX-License-Identifier: GPL-3.0-or-later
// The table wizard beyond its design: fitting small screens, tables from
// spreadsheet or CSV data on the clipboard, and the HTML5 markup style.
#include "app/mainwindow.h"
#include "core/palette/insertion.h"
#include "core/settings/settingkeys.h"
#include "editor/sourceeditor.h"
#include "table/tablewizard.h"
#include "table/tablewizarddialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

class TestTableWizardData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fitsTheScreen_data();
    void fitsTheScreen();
    void pasteControlsTakeNoRoom();
    void tableFromData_data();
    void tableFromData();
    void tooManyCellsRefused();
    void emptyClipboardSaysSo();

private:
    // Runs the wizard; `steps` work its dialog once it is the modal one.
    void runWizard(std::function<void(QDialog *)> steps);
    static void click(QDialog *dialog, const QString &button)
    {
        dialog->findChild<QPushButton *>(button)->click();
    }

    MainWindow *m_window = nullptr;
    TableWizard *m_wizard = nullptr;
    QStringList m_messages;
};

void TestTableWizardData::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestTableWizardData::init()
{
    Settings::markupStyle.reset();
    m_window = new MainWindow;
    m_wizard = m_window->findChild<TableWizard *>();
    QVERIFY(m_wizard);
    m_messages.clear();
    m_wizard->setMessageHook([this](QWidget *, const QString &message) { m_messages << message; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestTableWizardData::cleanup()
{
    delete m_window;
    m_window = nullptr;
    Settings::markupStyle.reset();
}

void TestTableWizardData::runWizard(std::function<void(QDialog *)> steps)
{
    QMetaObject::invokeMethod(
        m_window,
        [steps] {
            auto *wizard = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!wizard || wizard->objectName() != u"frmTable1"_s) {
                QTest::qFail("the wizard is not the modal dialog", __FILE__, __LINE__);
                if (wizard)
                    wizard->reject();
                return;
            }
            steps(wizard);
            QPointer<QDialog> guard(wizard);
            if (guard && guard->isVisible())
                guard->reject();
        },
        Qt::QueuedConnection);
    m_window->findChild<QAction *>(u"TableWizard"_s)->trigger();
}

void TestTableWizardData::fitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen"); // free area; 0 height: half the dialog's own height
    QTest::addColumn<bool>("shrinks");
    QTest::addRow("1366 x 768 with a task bar") << QSize(1366, 728) << false;
    QTest::addRow("1024 x 768 with a task bar") << QSize(1024, 728) << false;
    QTest::addRow("half as high as the dialog") << QSize(1024, 0) << true;
    QTest::addRow("narrower and lower than the dialog") << QSize(0, 0) << true;
    QTest::addRow("a large screen: the designed size") << QSize(3000, 3000) << false;
}

// The buttons stay in view and every setting can be scrolled to; where the
// dialog fits, it keeps its designed size.
void TestTableWizardData::fitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(bool, shrinks);

    TableWizardDialog dialog(m_window);
    const QSize designed = dialog.sizeHint();
    if (screen.height() == 0)
        screen.setHeight(designed.height() / 2);
    if (screen.width() == 0)
        screen.setWidth(designed.width() * 2 / 3);
    // The offscreen fonts may make the dialog smaller than on a desktop:
    // a screen row only shrinks it when it really is too small.
    const bool tooSmall = designed.height() + 40 > screen.height() || designed.width() + 16 > screen.width();
    QCOMPARE(tooSmall || shrinks, tooSmall);

    const QRect available(QPoint(0, 0), screen);
    dialog.fitInto(available);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!tooSmall) {
        QCOMPARE(dialog.size(), designed);
        return;
    }
    QVERIFY(dialog.height() <= screen.height());
    QVERIFY(dialog.width() <= screen.width());
    for (const QString &name : {u"cmdOK"_s, u"cmdCancel"_s, u"cmdGetColor"_s}) {
        auto *button = dialog.findChild<QPushButton *>(name);
        QVERIFY(button->isVisible());
        const QRect inDialog(button->mapTo(&dialog, QPoint(0, 0)), button->size());
        QVERIFY2(dialog.rect().contains(inDialog), qPrintable(name));
    }
    // The first and last settings of the dialog can be scrolled into view
    // (whole controls; a text box would only bring its caret into view).
    auto *scroll = dialog.findChild<QScrollArea *>(u"wizardScroll"_s);
    for (const QString &name : {u"Command1"_s, u"chkCBgcolor"_s, u"fmeRows"_s, u"cmdPasteData"_s, u"chkTWidth"_s}) {
        auto *widget = dialog.findChild<QWidget *>(name);
        scroll->ensureWidgetVisible(widget, 0, 0);
        const QRect inViewport(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
        QVERIFY2(scroll->viewport()->rect().contains(inViewport),
                 qPrintable(name + u" at %1,%2 %3x%4 in %5x%6"_s.arg(inViewport.x()).arg(inViewport.y()).arg(inViewport.width())
                                .arg(inViewport.height()).arg(scroll->viewport()->width()).arg(scroll->viewport()->height())));
    }
}

// The controls for pasted data sit beside the counts, in room the dialog
// already had: without them the dialog would be exactly as large.
void TestTableWizardData::pasteControlsTakeNoRoom()
{
    TableWizardDialog dialog(m_window);
    auto *settings = dialog.findChild<QWidget *>(u"wizardSettings"_s);
    const QSize withPaste = settings->sizeHint();
    dialog.findChild<QWidget *>(u"cmdPasteData"_s)->parentWidget()->hide();
    QCOMPARE(settings->sizeHint(), withPaste);
}

void TestTableWizardData::tableFromData_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("headerRow");
    QTest::addColumn<bool>("html5");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<QString>("table");

    QTest::addRow("spreadsheet copy, ragged, escaped")
        << u"名前\t値\r\n<b>\tA&B\r\nonly\r\n"_s << false << false << u"3"_s << u"2"_s
        << u"<TABLE>\n<TR><TD>名前</TD><TD>値</TD></TR>\n<TR><TD>&lt;b&gt;</TD><TD>A&amp;B</TD></TR>\n"
           u"<TR><TD>only</TD><TD></TD></TR>\n</TABLE>"_s;
    QTest::addRow("CSV with quotes, commas and a line end, header row")
        << u"\"a, b\",\"say \"\"hi\"\"\"\n\"x\ny\",z\n"_s << true << false << u"2"_s << u"2"_s
        << u"<TABLE>\n<TR><TH>a, b</TH><TH>say &quot;hi&quot;</TH></TR>\n"
           u"<TR><TD>x<BR>y</TD><TD>z</TD></TR>\n</TABLE>"_s;
    QTest::addRow("header row in the HTML5 style")
        << u"h1\th2\nv1\tv2\n"_s << true << true << u"2"_s << u"2"_s
        << u"<table>\n<tr><th>h1</th><th>h2</th></tr>\n<tr><td>v1</td><td>v2</td></tr>\n</table>"_s;
}

void TestTableWizardData::tableFromData()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, headerRow);
    QFETCH(bool, html5);
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(QString, table);

    if (html5)
        Settings::markupStyle.setValue(u"html5"_s);
    QGuiApplication::clipboard()->setText(clipboard);
    m_window->source()->clear();
    QString counts;
    runWizard([&](QDialog *wizard) {
        click(wizard, u"cmdPasteData"_s);
        counts = wizard->findChild<QLineEdit *>(u"txtRows"_s)->text() + u'x'
               + wizard->findChild<QLineEdit *>(u"txtCols"_s)->text();
        wizard->findChild<QCheckBox *>(u"chkHeaderRow"_s)->setChecked(headerRow);
        click(wizard, u"cmdOK"_s);
    });
    QCOMPARE(counts, rows + u'x' + cols);
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(m_window->source()->toPlainText(), table);
}

void TestTableWizardData::tooManyCellsRefused()
{
    // 50,001 rows of two cells: more than 100,000 cells.
    QGuiApplication::clipboard()->setText(u"a\tb\n"_s.repeated(50'001));
    QString rowsAfter;
    runWizard([&](QDialog *wizard) {
        click(wizard, u"cmdPasteData"_s);
        rowsAfter = wizard->findChild<QLineEdit *>(u"txtRows"_s)->text();
    });
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(u"100,000"_s));
    QVERIFY(m_messages.first().startsWith(u"行数"_s));
    QCOMPARE(rowsAfter, u"2"_s);
}

void TestTableWizardData::emptyClipboardSaysSo()
{
    QGuiApplication::clipboard()->clear();
    runWizard([&](QDialog *wizard) { click(wizard, u"cmdPasteData"_s); });
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(u"クリップボード"_s));
}

QTEST_MAIN(TestTableWizardData)
#include "tst_tablewizarddata.moc"
