// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/nativepath.h"
#include "document/documentfiles.h"
#include "document/recoverykeeper.h"
#include "app/mainwindow.h"
#include "core/document/memorypolicy.h"
#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    giveLargeBlocksBack();
    prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagpot"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tagpot.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tagpot"));
    // The program speaks Japanese whatever the system's language: so do Qt's
    // own dialogs and menus (file, font and colour dialogs, the editor's menu).
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    MainWindow window;
    endCleanlyOnRequest(&window);
    window.show();
    openAtStart(&window, argc > 1 ? argv[1] : nullptr);
    // Asked once the event loop runs, so that a SIGTERM arriving meanwhile
    // ends the program like any other time.
    QTimer::singleShot(0, &window, [&window] { window.recoveryKeeper()->offerRestore(); });
    return app.exec();
}
