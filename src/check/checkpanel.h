// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QDockWidget;
class QMainWindow;
class SourceEditor;
class QTreeWidget;
class QTreeWidgetItem;

// Tools → page check: the problems of the page in the editor listed in a
// panel under it, one row each (line, column, kind, message). Double-clicking
// a row puts the caret there. The panel is made on the first check: until
// then the window is as designed.
class CheckPanel : public QObject
{
    Q_OBJECT
public:
    // pagePath gives the open page's path, empty for a page never saved.
    CheckPanel(QMainWindow *window, SourceEditor *editor, std::function<QString()> pagePath);

    QDockWidget *dock() const { return m_dock; }
    QTreeWidget *list() const { return m_list; }

public slots:
    void checkPage();

private:
    void createDock();
    void goTo(QTreeWidgetItem *item);

    QMainWindow *m_window;
    SourceEditor *m_editor;
    std::function<QString()> m_pagePath;
    QDockWidget *m_dock = nullptr;
    QTreeWidget *m_list = nullptr;
};
