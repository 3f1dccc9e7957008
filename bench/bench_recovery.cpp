// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a 20 MB page for recovery while typing and times what a user could
// feel: how long the window's thread stops while the snapshot is taken and a
// recovery file is written, and keystrokes typed while the writer is busy.
// Recovery files go to the test folder (~/.qttest/state/tagpot), never the
// user's own.
#include "app/mainwindow.h"
#include "document/recoverykeeper.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace std::chrono_literals;

// Time the window's thread itself spent working: on a machine busy with other
// programs, wall-clock figures also count the time it waited for a core.
static double threadCpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The worst of wall-clock and thread time over a series of measurements.
struct Worst {
    double wallMs = 0;
    double cpuMs = 0;
    QElapsedTimer wall;
    double cpuStart = 0;

    void start()
    {
        wall.restart();
        cpuStart = threadCpuMs();
    }
    void stop()
    {
        wallMs = std::max(wallMs, wall.nsecsElapsed() / 1e6);
        cpuMs = std::max(cpuMs, threadCpuMs() - cpuStart);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    const qsizetype bytes = 20 * 1024 * 1024;
    MainWindow window;
    window.show();
    SourceEditor *editor = window.source();
    // A big page goes in a piece at a time: the figures are of the whole page.
    if (PageFiller *filler = setEditorText(editor, largeHtmlDocument(bytes)))
        filler->finish();
    QTextCursor middle(editor->document()->findBlockByNumber(editor->blockCount() / 2));
    editor->setTextCursor(middle);
    QApplication::processEvents();

    Worst rawCopy;
    for (int i = 0; i < 10; ++i) {
        rawCopy.start();
        const QString raw = editor->document()->toRawText();
        rawCopy.stop();
    }

    RecoveryKeeper *keeper = window.recoveryKeeper();
    QSignalSpy written(keeper, &RecoveryKeeper::written);

    // A probe that runs whenever the window's thread is free: the longest gap
    // between two runs is the longest the thread was busy elsewhere.
    Worst stall;
    bool measuring = false;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, &app, [&] {
        if (measuring)
            stall.stop();
        stall.start();
    });
    probe.start();

    const auto typeKey = [&](Worst &worst, Qt::Key key) {
        worst.start();
        QTest::keyClick(editor, key);
        editor->viewport()->repaint();
        worst.stop();
    };

    // Rounds of typing, a pause, typing during the pause's work, and the
    // pause's work finished: once with recovery off (the editor's own
    // figures), once with a recovery file written at every pause.
    struct Phase {
        Worst keys;
        Worst keysDuringPause;
        Worst stall;
        double worstWriteMs = 0;
    };
    const int rounds = 5;
    const auto runPhase = [&](bool keeping) {
        Phase phase;
        keeper->setDelays(keeping ? 1ms : 1h, 30s);
        for (int round = 0; round < rounds; ++round) {
            for (int i = 0; i < 10; ++i)
                typeKey(phase.keys, Qt::Key_A);
            const qsizetype before = written.size();
            stall = {};
            stall.start();
            measuring = true;
            QElapsedTimer pause;
            pause.start();
            bool typedDuringPause = false;
            while (keeping ? written.size() == before : pause.elapsed() < 300) {
                QApplication::processEvents(QEventLoop::AllEvents, 5);
                // Keystrokes while the copy is under way or being written:
                // the copy follows them, and the pause after them makes another.
                if (!typedDuringPause && pause.elapsed() > 5) {
                    typedDuringPause = true;
                    for (int i = 0; i < 5; ++i)
                        typeKey(phase.keysDuringPause, Qt::Key_B);
                    stall.start();
                }
            }
            measuring = false;
            phase.stall.wallMs = std::max(phase.stall.wallMs, stall.wallMs);
            phase.stall.cpuMs = std::max(phase.stall.cpuMs, stall.cpuMs);
            phase.worstWriteMs = std::max(phase.worstWriteMs, pause.nsecsElapsed() / 1e6);
            // The snapshot after the keystrokes of the pause written too.
            if (keeping)
                written.wait(10000);
        }
        return phase;
    };
    // The editor's first keystrokes after loading lay out and settle more;
    // a first round of typing keeps that out of both figures.
    runPhase(false);
    const Phase off = runPhase(false);
    const Phase on = runPhase(true);

    const qint64 fileSize = QFileInfo(keeper->filePath()).size();
    std::printf("figures: worst wall-clock ms / worst ms of the window's thread's own time\n");
    std::printf("document                        %8.1f MB (UTF-8), %d lines\n", bytes / 1048576.0, editor->blockCount());
    std::printf("whole copy at once (for scale)  %8.2f / %6.2f ms\n", rawCopy.wallMs, rawCopy.cpuMs);
    std::printf("                                recovery off        recovery on\n");
    std::printf("longest stall in a pause        %8.2f / %6.2f   %8.2f / %6.2f ms (target <= 50)\n", off.stall.wallMs,
                off.stall.cpuMs, on.stall.wallMs, on.stall.cpuMs);
    std::printf("keystroke                       %8.2f / %6.2f   %8.2f / %6.2f ms (target <= 16)\n", off.keys.wallMs,
                off.keys.cpuMs, on.keys.wallMs, on.keys.cpuMs);
    std::printf("keystroke during a pause's work %8.2f / %6.2f   %8.2f / %6.2f ms (target <= 16)\n",
                off.keysDuringPause.wallMs, off.keysDuringPause.cpuMs, on.keysDuringPause.wallMs, on.keysDuringPause.cpuMs);
    std::printf("pause to recovery file written                       %8.1f ms worst, %.1f MB file\n", on.worstWriteMs,
                fileSize / 1048576.0);
    return 0;
}
