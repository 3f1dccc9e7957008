// SPDX-License-Identifier: GPL-3.0-or-later
// The live preview in the real window, with the real web engine: what it
// renders from the editor's unsaved text, how it follows edits, keeps its
// place and hands links to the browser.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "controls.h"
#include "document/documentfiles.h"
#include "editor/editortext.h"
#include "editor/sourceeditor.h"
#include "preview/livepreview.h"
#include "preview/previewpane.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace {

constexpr int engineTimeoutMs = 60000;

// The page's answer to script, waited for.
QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, engineTimeoutMs))
        qWarning("the page did not answer %s", qPrintable(script));
    return result;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestLivePreview : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void rendersTheUnsavedText();
    void keepsItsPlaceAcrossRefreshes();
    void linksGoToTheBrowser();
    void hidingGivesTheEditorItsPlaceBack();

private:
    QWebEnginePage *showPreview()
    {
        QAction *toggle = control<QAction>(m_window, u"previewToggle"_s);
        toggle->trigger();
        auto *pane = m_window->findChild<PreviewPane *>(u"preview"_s);
        if (!pane)
            qFatal("the preview did not open");
        return pane->findChild<QWebEngineView *>()->page();
    }
    void type(const QString &text)
    {
        QTextCursor cursor = m_window->source()->textCursor();
        cursor.insertText(text);
    }

    QTemporaryDir m_folder;
    QString m_pagePath;
    MainWindow *m_window = nullptr;
    QList<QUrl> m_opened;
};

void TestLivePreview::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QDir(m_folder.path()).mkpath(u"img"_s);
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(m_folder.filePath(u"img/dot.png"_s)));
    QDir(m_folder.path()).mkpath(u"sub"_s);
    writeFile(m_folder.filePath(u"sub/other.html"_s),
              u"<title>別の場所</title><img id=\"up\" src=\"../img/dot.png\" alt=\"\">"_s.toUtf8());
    m_pagePath = m_folder.filePath(u"page.html"_s);
    writeFile(m_pagePath, "<!DOCTYPE html>\n<html><head><title>old</title></head><body></body></html>\n");
    QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
    QDesktopServices::setUrlHandler(u"file"_s, this, "openUrl");
}

void TestLivePreview::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QDesktopServices::unsetUrlHandler(u"file"_s);
}

void TestLivePreview::init()
{
    useFreshSettings();
    m_opened.clear();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(m_window->documentFiles()->openPath(m_pagePath));
}

void TestLivePreview::cleanup()
{
    // The window asks nothing: the edits are given up.
    m_window->source()->document()->setModified(false);
    delete m_window;
    m_window = nullptr;
}

void TestLivePreview::rendersTheUnsavedText()
{
    // Nothing of the engine before the preview is first shown.
    QVERIFY(!m_window->findChild<QWidget *>(u"preview"_s));
    QVERIFY(!m_window->preview()->pane());

    setEditorText(m_window->source(), u"<!DOCTYPE html>\n<html><head><meta charset=\"Shift_JIS\">"
                                      "<title>日本語の題名</title></head>\n"
                                      "<body><img id=\"dot\" src=\"img/dot.png\" alt=\"\"></body></html>\n"_s);
    QWebEnginePage *page = showPreview();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.title"_s).toString(), u"日本語の題名"_s, engineTimeoutMs);
    // The relative image comes from the page's folder.
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.getElementById('dot').naturalWidth"_s).toInt(), 4,
                              engineTimeoutMs);

    QTextCursor end = m_window->source()->textCursor();
    end.movePosition(QTextCursor::End);
    m_window->source()->setTextCursor(end);
    type(u"<p id=\"added\">追加した段落</p>\n"_s);
    QVERIFY(m_window->source()->document()->isModified());
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.getElementById('added') ? document.getElementById('added').textContent : ''"_s).toString(),
                              u"追加した段落"_s, engineTimeoutMs);

    // A new page has no folder: relative addresses lead nowhere.
    m_window->source()->document()->setModified(false);
    m_window->documentFiles()->newDocument();
    type(u"<title>新規</title><img id=\"dot\" src=\"img/dot.png\" alt=\"\">"_s);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.title"_s).toString(), u"新規"_s, engineTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(page, u"document.getElementById('dot').complete"_s).toBool(), engineTimeoutMs);
    QCOMPARE(evaluate(page, u"document.getElementById('dot').naturalWidth"_s).toInt(), 0);

    // Opening a page elsewhere: its text, and its own folder for its image.
    m_window->source()->document()->setModified(false);
    QVERIFY(m_window->documentFiles()->openPath(m_folder.filePath(u"sub/other.html"_s)));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.title"_s).toString(), u"別の場所"_s, engineTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.getElementById('up').naturalWidth"_s).toInt(), 4,
                              engineTimeoutMs);
}

void TestLivePreview::keepsItsPlaceAcrossRefreshes()
{
    QString page = u"<!DOCTYPE html><html><head><title>long</title></head><body>"_s;
    for (int i = 0; i < 300; ++i)
        page += u"<p>段落 %1</p>\n"_s.arg(i);
    page += u"</body></html>\n"_s;
    setEditorText(m_window->source(), page);
    QWebEnginePage *web = showPreview();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(web, u"document.title"_s).toString(), u"long"_s, engineTimeoutMs);
    evaluate(web, u"window.scrollTo(0, 700)"_s);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(web, u"Math.round(window.scrollY)"_s).toInt(), 700, engineTimeoutMs);

    m_window->source()->moveCursor(QTextCursor::Start);
    setEditorText(m_window->source(), QString(page).replace(u"<title>long</title>"_s, u"<title>edited</title>"_s));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(web, u"document.title"_s).toString(), u"edited"_s, engineTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(web, u"Math.round(window.scrollY)"_s).toInt(), 700, engineTimeoutMs);
}

void TestLivePreview::linksGoToTheBrowser()
{
    setEditorText(m_window->source(), u"<!DOCTYPE html><html><head><title>links</title></head><body>"
                                      "<a id=\"web\" href=\"https://example.com/a\">web</a>"
                                      "<a id=\"local\" href=\"other.html\">local</a></body></html>"_s);
    QWebEnginePage *page = showPreview();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.title"_s).toString(), u"links"_s, engineTimeoutMs);

    evaluate(page, u"document.getElementById('web').click()"_s);
    QTRY_COMPARE_WITH_TIMEOUT(m_opened, QList<QUrl>{QUrl(u"https://example.com/a"_s)}, engineTimeoutMs);
    evaluate(page, u"document.getElementById('local').click()"_s);
    QTRY_COMPARE_WITH_TIMEOUT(m_opened.size(), 2, engineTimeoutMs);
    QCOMPARE(m_opened.at(1), QUrl::fromLocalFile(m_folder.filePath(u"other.html"_s)));
    // The preview stayed on the page.
    QCOMPARE(evaluate(page, u"document.title"_s).toString(), u"links"_s);
}

void TestLivePreview::hidingGivesTheEditorItsPlaceBack()
{
    SourceEditor *editor = m_window->source();
    QWidget *client = editor->parentWidget();
    const QRect designed = editor->geometry();
    QWebEnginePage *page = showPreview();
    auto *split = control<QSplitter>(m_window, u"previewSplit"_s);
    QCOMPARE(split->geometry(), designed);
    QCOMPARE(editor->parentWidget(), split);
    QVERIFY(m_window->preview()->pane()->isVisible());
    QVERIFY(editor->width() < designed.width() / 2 + 10);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, u"document.readyState"_s).toString(), u"complete"_s, engineTimeoutMs);

    control<QAction>(m_window, u"previewToggle"_s)->trigger();
    QVERIFY(!control<QAction>(m_window, u"previewToggle"_s)->isChecked());
    QCOMPARE(editor->parentWidget(), client);
    QCOMPARE(editor->geometry(), designed);
    QVERIFY(!split->isVisible());

    // The window follows its size with the editor in the split as well.
    control<QAction>(m_window, u"previewToggle"_s)->trigger();
    m_window->resize(m_window->width() + 100, m_window->height());
    QTRY_COMPARE(split->width(), designed.width() + 100);
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    prepareProcess();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(TAGPOT_PREVIEW_DIR));
    TestLivePreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livepreview.moc"
