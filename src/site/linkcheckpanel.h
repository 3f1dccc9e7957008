// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/site/sitelinks.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>

class QDockWidget;
class QMainWindow;
class QTreeWidget;
class QTreeWidgetItem;
class SiteFolder;

// ツール → サイトのリンクをチェック: every page of the site's folder checked
// for links that will not work, on a thread of its own, the problems listed
// in a panel under the editor (linkResults) with page, line and column; a
// double-click opens the page there. The panel is made on the first check.
class LinkCheckPanel : public QObject
{
    Q_OBJECT
public:
    using OpenAt = std::function<void(const QString &path, qsizetype line, qsizetype column)>;

    LinkCheckPanel(QMainWindow *window, SiteFolder *site, OpenAt openAt);
    ~LinkCheckPanel() override;

    QDockWidget *dock() const { return m_dock; }
    QTreeWidget *list() const { return m_list; }

public slots:
    // Checks the site's folder (asking for one when there is none yet).
    void checkSite();

signals:
    void checked();

private:
    void createDock();
    void showProblems();
    void goTo(QTreeWidgetItem *item);

    QMainWindow *m_window;
    SiteFolder *m_site;
    OpenAt m_openAt;
    QDockWidget *m_dock = nullptr;
    QTreeWidget *m_list = nullptr;
    QString m_folder; // of the check under way or shown
    QFutureWatcher<QList<SiteLinkProblem>> m_watcher;
};
