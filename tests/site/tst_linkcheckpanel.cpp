// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkcheckpanel.h"

#include "controls.h"
#include "filebytes.h"
#include "site/sitefolder.h"
#include "testsettings.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestLinkCheckPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEachProblemWithPageLineAndColumn();
    void aCleanSiteSaysSo();
};

void TestLinkCheckPanel::listsEachProblemWithPageLineAndColumn()
{
    useFreshSettings();
    QTemporaryDir site;
    QDir(site.path()).mkpath(u"sub"_s);
    writeBytes(site.filePath(u"index.html"_s), "<a href=\"sub/Page.html#here\">x</a>\n<img src=\"none.png\">");
    writeBytes(site.filePath(u"sub/page.html"_s), "<p id=\"there\"><a href=\"../index.html#top\">up</a>");
    QMainWindow window;
    SiteFolder folder([] { return QString(); });
    folder.setPath(site.path());
    QList<std::tuple<QString, qsizetype, qsizetype>> opened;
    LinkCheckPanel panel(&window, &folder, [&opened](const QString &path, qsizetype line, qsizetype column) {
        opened.append({path, line, column});
    });
    QVERIFY(!window.findChild<QDockWidget *>(u"siteLinksDock"_s));

    QSignalSpy checked(&panel, &LinkCheckPanel::checked);
    panel.checkSite();
    QVERIFY(checked.wait());
    auto *list = control<QTreeWidget>(&window, u"linkResults"_s);
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        rows << QStringList{row->text(0), row->text(1), row->text(2), row->text(3)}.join(u'|');
    }
    // The letter case is wrong; the anchor is missing on the page it really names.
    QCOMPARE(rows, (QStringList{u"index.html|1|10|大文字小文字"_s, u"index.html|1|10|アンカーなし"_s,
                                u"index.html|2|11|ファイルなし"_s}));
    QVERIFY(panel.dock()->isVisible() || !window.isVisible());

    emit list->itemActivated(list->topLevelItem(2), 0);
    QCOMPARE(opened, (QList<std::tuple<QString, qsizetype, qsizetype>>{{site.filePath(u"index.html"_s), 2, 11}}));
}

void TestLinkCheckPanel::aCleanSiteSaysSo()
{
    useFreshSettings();
    QTemporaryDir site;
    writeBytes(site.filePath(u"index.html"_s), "<a href=\"index.html\">me</a>");
    QMainWindow window;
    SiteFolder folder([] { return QString(); });
    folder.setPath(site.path());
    LinkCheckPanel panel(&window, &folder, [](const QString &, qsizetype, qsizetype) {});
    QSignalSpy checked(&panel, &LinkCheckPanel::checked);
    panel.checkSite();
    QVERIFY(checked.wait());
    QCOMPARE(panel.list()->topLevelItemCount(), 1);
    QCOMPARE(panel.list()->topLevelItem(0)->text(4), u"問題は見つかりませんでした。"_s);
}

QTEST_MAIN(TestLinkCheckPanel)
#include "tst_linkcheckpanel.moc"
