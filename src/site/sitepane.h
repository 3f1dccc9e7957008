// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QDockWidget;
class QFileSystemModel;
class QLineEdit;
class QMainWindow;
class QModelIndex;
class QTreeView;
class SiteFileOrder;
class SiteFolder;

// 表示 → サイト: the site's folder as a tree beside the editor (siteTree),
// folders first, then the web's files (pages, stylesheets, scripts,
// images), then the rest, with a box that keeps only the names holding what
// is typed. A double-click opens a file that is not an image; a file dragged
// into the editor is linked there (see SiteDrop). Made when first shown.
class SitePane : public QObject
{
    Q_OBJECT
public:
    // openFile opens a file as Open does.
    SitePane(QMainWindow *window, SiteFolder *site, std::function<void(const QString &path)> openFile);

    QDockWidget *dock() const { return m_dock; }
    QTreeView *tree() const { return m_tree; }
    bool isShown() const;

public slots:
    void setShown(bool shown);

signals:
    // The pane was shown or hidden, by the menu or its own close box.
    void shownChanged(bool shown);

private:
    void createDock();
    void showFolder(const QString &path);
    void open(const QModelIndex &index);

    QMainWindow *m_window;
    SiteFolder *m_site;
    std::function<void(const QString &path)> m_openFile;
    QDockWidget *m_dock = nullptr;
    QLineEdit *m_filter = nullptr;
    QTreeView *m_tree = nullptr;
    QFileSystemModel *m_model = nullptr;
    SiteFileOrder *m_order = nullptr;
};
