// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class DocumentFiles;
class DocumentSession;
class FolderSearchDialog;
class LinkCheckPanel;
class QAction;
class QMainWindow;
class SiteFolder;
class SitePane;
class SourceEditor;

// The menu items of the site around the page.
struct SiteActions {
    QAction *openFolder;     // ファイル → フォルダーを開く…
    QAction *sitePane;       // 表示 → サイト (checkable)
    QAction *findInFolder;   // 編集 → フォルダー内を検索…
    QAction *checkSiteLinks; // ツール → サイトのリンクをチェック
};

// The site's folder, its pane, find and replace in it and the check of its
// links, wired to their menu items and to the page in the editor: what they
// open is opened as Open does, at the place they name.
class SiteCommands : public QObject
{
    Q_OBJECT
public:
    SiteCommands(QMainWindow *window, SourceEditor *editor, DocumentFiles *files, DocumentSession *session,
                 const SiteActions &actions);

    SiteFolder *folder() const { return m_folder; }
    SitePane *pane() const { return m_pane; }
    FolderSearchDialog *folderSearch() const { return m_folderSearch; }
    LinkCheckPanel *linkCheck() const { return m_linkCheck; }

    // Opens the file at path (unless it is the page in the editor already)
    // and puts the caret on line and column, from 1.
    void openAt(const QString &path, qsizetype line, qsizetype column);

private:
    QMainWindow *m_window;
    SourceEditor *m_editor;
    DocumentFiles *m_files;
    DocumentSession *m_session;
    SiteFolder *m_folder;
    SitePane *m_pane;
    FolderSearchDialog *m_folderSearch = nullptr;
    LinkCheckPanel *m_linkCheck;
};
