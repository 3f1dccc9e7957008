// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the program does it (application, Japanese Qt texts, main
// window shown), then quits when the first events are handled. Timed from
// outside: hyperfine -w 3 -r 30 'QT_QPA_PLATFORM=offscreen build/bench/bench_startup'
#include "app/mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagpot"));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    MainWindow window;
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
