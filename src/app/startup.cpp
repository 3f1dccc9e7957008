// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/mainwindow.h"
#include "core/document/diskfile.h"
#include "core/document/terminationsignals.h"
#include "document/recoverykeeper.h"

#include <QApplication>
#include <QSessionManager>

void prepareProcess()
{
    ignoreFileSizeSignal();
}

void endCleanlyOnRequest(MainWindow *window)
{
    const auto keepAndQuit = [window] {
        window->recoveryKeeper()->keepForRecovery();
        // Quitting the loop, not closing the window: closing asks about
        // unsaved changes, which the recovery file now holds.
        QCoreApplication::quit();
    };
    auto *termination = new TerminationSignals(window);
    QObject::connect(termination, &TerminationSignals::received, window, keepAndQuit);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window, [keepAndQuit](QSessionManager &) {
        keepAndQuit();
    });
}
