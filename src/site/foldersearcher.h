// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/site/foldersearch.h"

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Searches the files of a folder away from the window's thread, a few files
// at a time on every core, handing the matches out in the order of the files
// as soon as each few is searched.
class FolderSearcher : public QObject
{
    Q_OBJECT
public:
    explicit FolderSearcher(QObject *parent = nullptr);
    ~FolderSearcher() override;

    // Starts a search, stopping the one under way. openPages holds the text
    // of pages open in the window, by their canonical path: they are searched
    // as the editor holds them, not as their files are.
    void start(const QString &folder, const QStringList &patterns, const QRegularExpression &expression,
               const QHash<QString, QString> &openPages);
    void stop();
    bool isRunning() const;

signals:
    // A file with matches, or one that could not be read.
    void found(const FileMatches &file);
    // How many files were searched; not after stop().
    void finished(int files);

private:
    QFutureWatcher<FileMatches> m_watcher;
    int m_files = 0;
};
