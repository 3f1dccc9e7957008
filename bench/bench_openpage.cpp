// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a page in the real main window as the command line does and times
// what a user feels: the first screen of text, the longest the window stops
// answering while the rest goes in, the page complete; and peak memory.
// Usage: bench_openpage FILE
#include "app/mainwindow.h"
#include "core/document/diskfile.h"
#include "core/document/memorypolicy.h"
#include "core/document/textfile.h"
#include "core/document/textfingerprint.h"
#include "document/documentfiles.h"
#include "editor/editortext.h"
#include "editor/pagelines.h"
#include "editor/sourceeditor.h"
#include "processmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <ctime>

// CPU time, which the other programs on a shared machine do not inflate.
static double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    giveLargeBlocksBack();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_openpage FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);

    MainWindow window;
    window.show();
    QApplication::processEvents();
    const long startKiB = statusKiB("VmHWM:");

    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMs();
    window.documentFiles()->openPath(path);
    const double openedMs = timer.nsecsElapsed() / 1e6;
    const long openedKiB = statusKiB("VmHWM:");
    window.source()->viewport()->repaint();
    const double firstScreenMs = timer.nsecsElapsed() / 1e6;
    const double firstScreenCpuMs = cpuMs() - cpuStart;

    // Events are handled as the running program would; the longest turn is
    // how long the window stops answering.
    double longestTurnMs = 0;
    QElapsedTimer turn;
    while (pageFiller(window.source())) {
        turn.start();
        QApplication::processEvents(QEventLoop::AllEvents);
        longestTurnMs = std::max(longestTurnMs, turn.nsecsElapsed() / 1e6);
    }
    window.source()->viewport()->repaint();
    const double completeMs = timer.nsecsElapsed() / 1e6;
    const double completeCpuMs = cpuMs() - cpuStart;

    std::printf("%s: %.1f MB, %d lines in %d blocks\n", qPrintable(QFileInfo(path).fileName()),
                QFileInfo(path).size() / 1048576.0, PageLines::lineCount(window.source()->document()),
                window.source()->blockCount());
    std::printf("  read, decode, first piece in   %8.1f ms\n", openedMs);
    std::printf("  first screen shown             %8.1f ms   (target <= 300), %.1f ms of CPU\n", firstScreenMs,
                firstScreenCpuMs);
    std::printf("  longest unanswered moment      %8.1f ms   (target <= 500) while the rest went in\n", longestTurnMs);
    std::printf("  page complete                  %8.1f ms   (target <= 1000), %.1f ms of CPU\n", completeMs, completeCpuMs);
    std::printf("  peak memory                    %8.1f MiB  (%.1f MiB before opening, %.1f MiB once read), now %.1f MiB\n",
                statusKiB("VmHWM:") / 1024.0, startKiB / 1024.0, openedKiB / 1024.0, statusKiB("VmRSS:") / 1024.0);
    // The steps before the first screen, alone, after the peak was taken.
    double readMs = 0, decodeMs = 0, fingerprintMs = 0;
    {
        const double start = cpuMs();
        QByteArray bytes;
        readWholeFile(path, &bytes, nullptr);
        readMs = cpuMs() - start;
        const ReadText read = readText(bytes);
        decodeMs = cpuMs() - start - readMs;
        fingerprintOf(read.text);
        fingerprintMs = cpuMs() - start - readMs - decodeMs;
    }

    std::printf("  CPU alone: read %.1f ms, detect and decode %.1f ms, fingerprint %.1f ms\n", readMs, decodeMs,
                fingerprintMs);
    return 0;
}
