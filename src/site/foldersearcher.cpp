// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/foldersearcher.h"

#include <QFileInfo>
#include <QPromise>
#include <QtConcurrent>

namespace {

void searchFolder(QPromise<FileMatches> &promise, const QString &folder, const QStringList &patterns,
                  const QRegularExpression &expression, const QHash<QString, QString> &openPages)
{
    const QStringList files = filesToSearch(folder, patterns);
    promise.setProgressRange(0, int(files.size()));
    int done = 0;
    for (const QString &path : files) {
        if (promise.isCanceled())
            return;
        FileMatches file;
        const auto open = openPages.constFind(QFileInfo(path).canonicalFilePath());
        if (open != openPages.cend()) {
            file = searchText(*open, expression);
            file.path = path;
        } else {
            file = searchFile(path, expression);
        }
        if (file.count > 0 || !file.failure.isEmpty())
            promise.addResult(std::move(file));
        promise.setProgressValue(++done);
    }
}

} // namespace

FolderSearcher::FolderSearcher(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<FileMatches>::resultsReadyAt, this, [this](int begin, int end) {
        for (int i = begin; i < end; ++i)
            emit found(m_watcher.resultAt(i));
    });
    connect(&m_watcher, &QFutureWatcher<FileMatches>::progressRangeChanged, this,
            [this](int, int maximum) { m_files = maximum; });
    connect(&m_watcher, &QFutureWatcher<FileMatches>::finished, this, [this] {
        if (!m_watcher.isCanceled())
            emit finished(m_files);
    });
}

FolderSearcher::~FolderSearcher()
{
    stop();
}

void FolderSearcher::start(const QString &folder, const QStringList &patterns, const QRegularExpression &expression,
                           const QHash<QString, QString> &openPages)
{
    stop();
    m_files = 0;
    m_watcher.setFuture(QtConcurrent::run(searchFolder, folder, patterns, expression, openPages));
}

void FolderSearcher::stop()
{
    if (!m_watcher.isRunning())
        return;
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

bool FolderSearcher::isRunning() const
{
    return m_watcher.isRunning();
}
