// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/foldersearcher.h"

#include <QFileInfo>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent>

#include <numeric>

namespace {

// Files go to the threads a few at a time, and their results out in the
// order of the files, as soon as each few is searched.
constexpr qsizetype filesAtOnce = 8;

void searchFolder(QPromise<FileMatches> &promise, const QString &folder, const QStringList &patterns,
                  const QRegularExpression &expression, const QHash<QString, QString> &openPages)
{
    const QStringList files = filesToSearch(folder, patterns);
    promise.setProgressRange(0, int(files.size()));
    QThreadPool threads;
    threads.setMaxThreadCount(QThread::idealThreadCount());
    QList<FileMatches> found(filesAtOnce);
    QList<qsizetype> indexes(filesAtOnce);
    for (qsizetype first = 0; first < files.size(); first += filesAtOnce) {
        if (promise.isCanceled())
            return;
        const qsizetype count = std::min(filesAtOnce, files.size() - first);
        std::iota(indexes.begin(), indexes.begin() + count, qsizetype(0));
        QtConcurrent::blockingMap(&threads, indexes.begin(), indexes.begin() + count, [&](qsizetype i) {
            const QString &path = files[first + i];
            const auto open = openPages.constFind(QFileInfo(path).canonicalFilePath());
            if (open != openPages.cend()) {
                found[i] = searchText(*open, expression);
                found[i].path = path;
            } else {
                found[i] = searchFile(path, expression);
            }
        });
        for (qsizetype i = 0; i < count; ++i) {
            if (found[i].count > 0 || !found[i].failure.isEmpty())
                promise.addResult(std::move(found[i]));
            found[i] = FileMatches();
        }
        promise.setProgressValue(int(first + count));
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
