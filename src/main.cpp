// SPDX-License-Identifier: GPL-3.0-or-later
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
    return app.exec();
}
