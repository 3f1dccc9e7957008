// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentfiles.h"
#include "app/mainwindow.h"
#include "core/document/memorypolicy.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    giveLargeBlocksBack();
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
    window.show();
    // File managers and "open with" pass the page to open as the argument.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.documentFiles()->openPath(arguments.at(1));
    return app.exec();
}
