// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/search/textsearch.h"
#include "core/site/foldersearch.h"

#include <QDialog>
#include <QHash>
#include <QList>

#include <functional>

class FolderSearcher;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SiteFolder;
class SourceEditor;

// 編集 → フォルダー内を検索…, folderSearch: the find dialog's options and a
// folder with file patterns; the matches of every file listed as they are
// found (folderResults), a double-click opening the page there. Replace all
// first says which files and how many, then writes each file as Save does,
// or changes a page open in the window in its editor, as one undo step.
class FolderSearchDialog : public QDialog
{
    Q_OBJECT
public:
    // The pages open in the window that have a file: their editors by the
    // file's canonical path.
    using OpenPages = std::function<QHash<QString, SourceEditor *>()>;
    // Opens the page at path with the caret on line and column (from 1).
    using OpenAt = std::function<void(const QString &path, qsizetype line, qsizetype column)>;

    FolderSearchDialog(SiteFolder *site, OpenPages openPages, OpenAt openAt, QWidget *parent = nullptr);
    ~FolderSearchDialog() override;

    // Shows the dialog on the site's folder, the find field focused.
    void showSearch();

    // Starts the search; false when the fields do not make one.
    bool search();
    // Searches when the last search is not of these fields, asks, then replaces.
    void replaceAll();
    bool isSearching() const;

    QString status() const;

signals:
    // The search is complete; so is a Replace all.
    void searchFinished();
    void replacedAll();

private:
    std::optional<SearchPattern> readPattern();
    QString searchKey() const;
    void addFile(const FileMatches &file);
    void finishSearch(int files);
    void confirmAndReplace();
    void goTo(QTreeWidgetItem *item);
    void setSearching(bool searching);

    SiteFolder *m_site;
    OpenPages m_openPages;
    OpenAt m_openAt;
    FolderSearcher *m_searcher;

    QLineEdit *m_findText;
    QLineEdit *m_replaceText;
    QLineEdit *m_folder;
    QLineEdit *m_patterns;
    QCheckBox *m_regularExpression;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QPushButton *m_searchButton;
    QPushButton *m_replaceAllButton;
    QPushButton *m_stopButton;
    QLabel *m_status;
    QTreeWidget *m_results;

    // The search the list shows: its fields, the files it found.
    QString m_resultsKey;
    bool m_resultsComplete = false;
    QRegularExpression m_expression;
    QList<FileMatches> m_found;
    qsizetype m_matchCount = 0;
    bool m_replaceWhenDone = false;
};
