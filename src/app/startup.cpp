// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/mainwindow.h"
#include "core/document/diskfile.h"
#include "core/document/nativepath.h"
#include "core/document/terminationsignals.h"
#include "document/documentfiles.h"
#include "document/recoverykeeper.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

void prepareProcess()
{
    ignoreFileSizeSignal();
    // The preview's web engine, loaded from a module on first use, needs
    // contexts shared from the start: without them showing it crashes where
    // the platform gives no shared OpenGL context (offscreen, some drivers).
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void endCleanlyOnRequest(MainWindow *window)
{
    const auto keepAndQuit = [window] {
        window->recoveryKeeper()->keepForRecovery();
        // Leaving the event loop, not quit(): quit() closes the windows,
        // and closing asks about the unsaved changes the recovery file now
        // holds, of a user who is not there to answer.
        QCoreApplication::exit(0);
        // A request that came during a question asked before the program's
        // event loop started ends that loop as soon as it runs.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };
    auto *termination = new TerminationSignals(window);
    QObject::connect(termination, &TerminationSignals::received, window, keepAndQuit);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window, [keepAndQuit](QSessionManager &) {
        keepAndQuit();
    });
}

void openAtStart(MainWindow *window, const char *argument)
{
    window->documentFiles()->repairInterruptedSaves();
    // File managers and "open with" pass the page to open as the argument:
    // its bytes as they are, since Qt's argument list loses a name that is
    // not UTF-8.
    if (argument)
        window->documentFiles()->openPath(pathFromNative(argument));
}
