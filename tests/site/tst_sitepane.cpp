// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagetext.h"
#include "site/sitepane.h"

#include "controls.h"
#include "core/settings/settingkeys.h"
#include "editor/editortext.h"
#include "editor/sourceeditor.h"
#include "filebytes.h"
#include "site/sitedrop.h"
#include "site/sitefolder.h"
#include "testsettings.h"

#include <QDockWidget>
#include <QFileSystemModel>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

class TestSitePane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void madeOnlyWhenFirstShown();
    void foldersThenWebFilesThenTheRest();
    void filterKeepsMatchingNames();
    void doubleClickOpensAllButImages();
    void droppedFileIsLinkedRelativeToThePage_data();
    void droppedFileIsLinkedRelativeToThePage();
    void filesFromElsewhereAreNotLinked();

private:
    QStringList shownNames(const QModelIndex &parent = {}) const;
    QModelIndex indexOf(const QString &relative) const;
    void drop(const QMimeData *data);

    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<QMainWindow> m_window;
    SourceEditor *m_editor = nullptr;
    SiteFolder *m_folder = nullptr;
    SitePane *m_pane = nullptr;
    QStringList m_opened;
};

void TestSitePane::init()
{
    useFreshSettings();
    m_site = std::make_unique<QTemporaryDir>();
    const QDir site(m_site->path());
    site.mkpath(u"images"_s);
    site.mkpath(u"pages"_s);
    writeBytes(site.filePath(u"pages/index.html"_s), "<title>目次</title>");
    writeBytes(site.filePath(u"pages/about.html"_s), "<title>会社案内</title>");
    writeBytes(site.filePath(u"readme.txt"_s), "");
    writeBytes(site.filePath(u"a-notes.md"_s), "");
    writeBytes(site.filePath(u"site.css"_s), "");
    writeBytes(site.filePath(u"menu.js"_s), "");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(site.filePath(u"images/photo.png"_s)));
    QVERIFY(image.save(site.filePath(u"banner.png"_s)));

    m_window = std::make_unique<QMainWindow>();
    m_editor = new SourceEditor(m_window.get());
    m_window->setCentralWidget(m_editor);
    m_folder = new SiteFolder([this] { return m_site->filePath(u"pages/index.html"_s); }, m_window.get());
    m_folder->setPath(m_site->path());
    m_opened.clear();
    m_pane = new SitePane(m_window.get(), m_folder, [this](const QString &path) { m_opened << path; });
    new SiteDrop(m_editor, [this] { return m_site->filePath(u"pages/index.html"_s); }, m_window.get());
    m_window->show();
}

void TestSitePane::cleanup()
{
    m_window.reset();
    m_site.reset();
}

QStringList TestSitePane::shownNames(const QModelIndex &parent) const
{
    QTreeView *tree = m_pane->tree();
    const QModelIndex root = parent.isValid() ? parent : tree->rootIndex();
    QStringList names;
    for (int row = 0; row < tree->model()->rowCount(root); ++row)
        names << tree->model()->index(row, 0, root).data().toString();
    return names;
}

QModelIndex TestSitePane::indexOf(const QString &relative) const
{
    // The tree sorts again as the model learns more: only persistent indexes last.
    QPersistentModelIndex index = m_pane->tree()->rootIndex();
    for (const QString &name : relative.split(u'/')) {
        QPersistentModelIndex child;
        // The model reads folders on a thread of its own.
        const bool found = QTest::qWaitFor(
            [&] {
                const QAbstractItemModel *model = m_pane->tree()->model();
                for (int row = 0; row < model->rowCount(index); ++row) {
                    if (model->index(row, 0, index).data().toString() == name)
                        child = model->index(row, 0, index);
                }
                if (!child.isValid() && model->canFetchMore(index))
                    const_cast<QAbstractItemModel *>(model)->fetchMore(index);
                return child.isValid();
            },
            5000);
        if (!found)
            qWarning("%s is not in the tree", qPrintable(name));
        index = child;
    }
    return index;
}

void TestSitePane::madeOnlyWhenFirstShown()
{
    QVERIFY(!m_window->findChild<QDockWidget *>(u"sitePaneDock"_s));
    m_pane->setShown(false);
    QVERIFY(!m_window->findChild<QDockWidget *>(u"sitePaneDock"_s));
    m_pane->setShown(true);
    QVERIFY(m_pane->isShown());
    QVERIFY(control<QTreeView>(m_window.get(), u"siteTree"_s));
    m_pane->setShown(false);
    QVERIFY(!m_pane->isShown());
}

void TestSitePane::foldersThenWebFilesThenTheRest()
{
    m_pane->setShown(true);
    QTRY_COMPARE(shownNames(), (QStringList{u"images"_s, u"pages"_s, u"banner.png"_s, u"menu.js"_s, u"site.css"_s,
                                            u"a-notes.md"_s, u"readme.txt"_s}));
}

void TestSitePane::filterKeepsMatchingNames()
{
    m_pane->setShown(true);
    QTRY_COMPARE(shownNames().size(), 7);
    control<QLineEdit>(m_window.get(), u"siteFilter"_s)->setText(u"css"_s);
    QTRY_COMPARE(shownNames(), (QStringList{u"images"_s, u"pages"_s, u"site.css"_s}));
    control<QLineEdit>(m_window.get(), u"siteFilter"_s)->clear();
    QTRY_COMPARE(shownNames().size(), 7);
}

void TestSitePane::doubleClickOpensAllButImages()
{
    m_pane->setShown(true);
    emit m_pane->tree()->activated(indexOf(u"banner.png"_s));
    emit m_pane->tree()->activated(indexOf(u"pages"_s));
    emit m_pane->tree()->activated(indexOf(u"pages/about.html"_s));
    emit m_pane->tree()->activated(indexOf(u"site.css"_s));
    QCOMPARE(m_opened, (QStringList{m_site->filePath(u"pages/about.html"_s), m_site->filePath(u"site.css"_s)}));
}

void TestSitePane::drop(const QMimeData *data)
{
    QWidget *viewport = m_editor->viewport();
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &dropped);
}

void TestSitePane::droppedFileIsLinkedRelativeToThePage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("markup");

    QTest::addRow("a page beside it, designed style")
        << u"pages/about.html"_s << u"designed"_s << u"<A href='about.html'>会社案内</A>"_s;
    QTest::addRow("a page, today's style")
        << u"pages/about.html"_s << u"html5"_s << u"<a href=\"about.html\">会社案内</a>"_s;
    QTest::addRow("an image in another folder, with its size")
        << u"images/photo.png"_s << u"html5"_s << u"<img src=\"../images/photo.png\" alt=\"\" width=\"40\" height=\"30\">"_s;
    QTest::addRow("a stylesheet above it")
        << u"site.css"_s << u"designed"_s << u"<LINK rel='stylesheet' href='../site.css'>"_s;
    QTest::addRow("a script, today's style")
        << u"menu.js"_s << u"html5"_s << u"<script src=\"../menu.js\" defer></script>"_s;
}

void TestSitePane::droppedFileIsLinkedRelativeToThePage()
{
    QFETCH(QString, file);
    QFETCH(QString, style);
    QFETCH(QString, markup);

    Settings::markupStyle.setValue(style);
    m_pane->setShown(true);
    const QModelIndex index = indexOf(file);
    std::unique_ptr<QMimeData> data(m_pane->tree()->model()->mimeData({index}));
    m_editor->setPlainText(u"<p></p>"_s);
    drop(data.get());
    QCOMPARE(PageText(m_editor, PageText::Form::Editor).all(), markup + u"<p></p>"_s);
    m_editor->undo();
    QCOMPARE(PageText(m_editor, PageText::Form::Editor).all(), u"<p></p>"_s);
}

// A file from a file manager is left to FileDrop, which opens it (here,
// with no FileDrop, the editor types its address).
void TestSitePane::filesFromElsewhereAreNotLinked()
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(m_site->filePath(u"site.css"_s))});
    m_editor->setPlainText(u"<p></p>"_s);
    drop(&data);
    QVERIFY2(!PageText(m_editor, PageText::Form::Editor).all().contains(u"stylesheet"_s), qPrintable(PageText(m_editor, PageText::Form::Editor).all()));
}

QTEST_MAIN(TestSitePane)
#include "tst_sitepane.moc"
