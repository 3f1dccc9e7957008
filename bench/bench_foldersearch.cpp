// SPDX-License-Identifier: GPL-3.0-or-later
// Find in a folder of 2,000 pages of 100 kB (200 MB, half of them Shift_JIS,
// generated): the first result, all results, the longest the window stops
// answering meanwhile, and the memory it takes above the program's own.
// Usage: bench_foldersearch [FOLDER]  (a folder to keep the site in between runs)
#include "app/startup.h"
#include "generatedsite.h"
#include "processmemory.h"
#include "site/foldersearchdialog.h"
#include "site/sitefolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareProcess();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    if (!QFileInfo::exists(folder + QStringLiteral("/part19/page1999.html"))) {
        std::printf("writing 2,000 pages of 100 kB into %s...\n", qPrintable(folder));
        writeGeneratedSite(folder, 2000, 100 * 1024);
    }

    SiteFolder site([] { return QString(); });
    site.setPath(folder);
    FolderSearchDialog dialog(&site, [] { return QHash<QString, SourceEditor *>(); },
                              [](const QString &, qsizetype, qsizetype) {});
    dialog.showSearch();
    auto *results = dialog.findChild<QTreeWidget *>(QStringLiteral("folderResults"));
    QApplication::processEvents();
    const long startKiB = peakMemoryKiB();

    for (int run = 0; run < 3; ++run) {
        dialog.findChild<QLineEdit *>(QStringLiteral("folderFindText"))->setText(QStringLiteral("無い"));
        QElapsedTimer timer;
        double firstMs = -1;
        double doneMs = -1;
        double longestTurnMs = 0;
        QObject::connect(results->model(), &QAbstractItemModel::rowsInserted, &dialog, [&] {
            if (firstMs < 0)
                firstMs = timer.nsecsElapsed() / 1e6;
        });
        const auto finished = QObject::connect(&dialog, &FolderSearchDialog::searchFinished, &dialog,
                                               [&] { doneMs = timer.nsecsElapsed() / 1e6; });
        timer.start();
        dialog.findChild<QPushButton *>(QStringLiteral("folderSearchButton"))->click();
        QElapsedTimer turn;
        while (doneMs < 0) {
            turn.start();
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
            longestTurnMs = std::max(longestTurnMs, turn.nsecsElapsed() / 1e6);
        }
        QObject::disconnect(finished);
        QObject::disconnect(results->model(), &QAbstractItemModel::rowsInserted, &dialog, nullptr);
        std::printf("run %d: %d results; first %.0f ms, all %.0f ms, longest turn of the window %.1f ms\n", run + 1,
                    results->topLevelItemCount(), firstMs, doneMs, longestTurnMs);
    }
    std::printf("peak memory above the program's own: %.1f MiB\n", (peakMemoryKiB() - startKiB) / 1024.0);
    return 0;
}
