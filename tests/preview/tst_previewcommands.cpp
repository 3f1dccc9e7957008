// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's neighbours in the real window, without the web engine: the
// window starts without it, and Open in browser saves first when asked to.
#include "app/mainwindow.h"
#include "controls.h"
#include "document/documentfiles.h"
#include "editor/sourceeditor.h"
#include "preview/browseropener.h"
#include "preview/livepreview.h"
#include "scripteddialogs.h"
#include "testsettings.h"
#include "window/commondialog.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPreviewCommands : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void startsWithoutTheEngine();
    void openInBrowser_data();
    void openInBrowser();

private:
    QTemporaryDir m_folder;
    MainWindow *m_window = nullptr;
    DialogScript m_dialogs;
    QList<QUrl> m_opened;
};

void TestPreviewCommands::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    QDesktopServices::setUrlHandler(u"file"_s, this, "openUrl");
}

void TestPreviewCommands::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(u"file"_s);
}

void TestPreviewCommands::init()
{
    useFreshSettings();
    m_opened.clear();
    m_dialogs = {};
    m_window = new MainWindow;
    m_window->commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPreviewCommands::cleanup()
{
    m_window->source()->document()->setModified(false);
    delete m_window;
    m_window = nullptr;
}

// The engine is loaded when the preview is first shown, never at start:
// a first start looks exactly as designed and pays nothing for it.
void TestPreviewCommands::startsWithoutTheEngine()
{
    QAction *toggle = control<QAction>(m_window, u"previewToggle"_s);
    QVERIFY(toggle->isCheckable());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(toggle->text(), u"プレビュー(&W)"_s);
    QVERIFY(!m_window->findChild<QWidget *>(u"preview"_s));
    QVERIFY(!m_window->findChild<QDockWidget *>());
    QCOMPARE(m_window->source()->parentWidget(), m_window->centralWidget());
    QCOMPARE(m_window->preview()->editorArea(), m_window->source());

    m_window->source()->setPlainText(u"<p>typing</p>"_s);
    m_window->resize(m_window->width() + 50, m_window->height());
    QApplication::processEvents();

    QFile maps(u"/proc/self/maps"_s);
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray loaded = maps.readAll();
    QVERIFY(!loaded.contains("WebEngine"));
    QVERIFY(!loaded.contains("tagpot_preview"));
}

enum class Reply { Save, Cancel, NotAsked };
enum class Page { Saved, Edited, New };

void TestPreviewCommands::openInBrowser_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("saveDialogAnswers");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("savedFirst");

    QTest::addRow("saved page opens at once") << Page::Saved << Reply::NotAsked << false << true << false;
    QTest::addRow("edited page: saved, then opened") << Page::Edited << Reply::Save << true << true << true;
    QTest::addRow("edited page: cancel opens nothing") << Page::Edited << Reply::Cancel << false << false << false;
    QTest::addRow("edited page: save dialog cancelled opens nothing")
        << Page::Edited << Reply::Save << false << false << false;
    QTest::addRow("new page: saved, then opened") << Page::New << Reply::Save << true << true << true;
    QTest::addRow("new page: cancel opens nothing") << Page::New << Reply::Cancel << false << false << false;
}

void TestPreviewCommands::openInBrowser()
{
    QFETCH(Page, page);
    QFETCH(Reply, reply);
    QFETCH(bool, saveDialogAnswers);
    QFETCH(bool, opened);
    QFETCH(bool, savedFirst);

    const QString path = m_folder.filePath(u"page.html"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<p>on disk</p>\n");
    }
    if (page != Page::New)
        QVERIFY(m_window->documentFiles()->openPath(path));
    if (page != Page::Saved)
        m_window->source()->textCursor().insertText(u"<p>edited</p>\n"_s);

    QStringList questions;
    m_window->findChild<BrowserOpener *>()->setQuestion([&](QWidget *, const QString &question) {
        questions << question;
        return reply == Reply::Save;
    });
    if (saveDialogAnswers)
        m_dialogs.saves << path;

    control<QAction>(m_window, u"openInBrowser"_s)->trigger();

    QCOMPARE(questions.size(), reply == Reply::NotAsked ? 0 : 1);
    QCOMPARE(m_opened, opened ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains("edited"), savedFirst);
    QCOMPARE(m_window->source()->document()->isModified(), page != Page::Saved && !savedFirst);
}

QTEST_MAIN(TestPreviewCommands)
#include "tst_previewcommands.moc"
