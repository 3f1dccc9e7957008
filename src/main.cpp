// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/documentfiles.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagpot"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tagpot.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tagpot"));
    MainWindow window;
    window.show();
    // File managers and "open with" pass the page to open as the argument.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.documentFiles()->openPath(arguments.at(1));
    return app.exec();
}
