// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class PreviewPane;
class QAction;
class SourceEditor;
class QSplitter;
class QTimer;
class QWidget;

// The preview beside the editor, behind the View menu's checkable item. The
// editor keeps its designed place while the preview is hidden; shown, the
// place is split between the editor and the preview. The preview follows the
// editor's text a short pause after typing stops, and the page's folder.
class LivePreview : public QObject
{
    Q_OBJECT
public:
    // How long the text must rest before the preview follows it.
    static constexpr int restMs = 200;

    // pagePath gives the open page's path, empty for a page never saved.
    LivePreview(QWidget *client, SourceEditor *editor, QAction *toggle, std::function<QString()> pagePath,
                QObject *parent = nullptr);

    // What stands in the editor's place: the editor, or the split.
    QWidget *editorArea() const;
    // Null until the preview is first shown.
    PreviewPane *pane() const { return m_pane; }

public slots:
    void setShown(bool shown);
    // The page changed (its text or its folder): shown again after the pause.
    void scheduleRefresh();
    void refresh();

private:
    void show();
    void hide();

    QWidget *m_client;
    SourceEditor *m_editor;
    QAction *m_toggle;
    std::function<QString()> m_pagePath;
    QTimer *m_rest;
    QSplitter *m_split = nullptr;
    PreviewPane *m_pane = nullptr;
    QList<int> m_sizes;
};
