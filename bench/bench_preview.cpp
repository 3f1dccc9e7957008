// SPDX-License-Identifier: GPL-3.0-or-later
// The preview on a 1 MB page in the real window: the first showing, and how
// long after a keystroke the preview shows the change (the pause after typing
// included), measured to the page's load.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "editor/editortext.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"
#include "preview/livepreview.h"
#include "preview/previewpane.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextBlock>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    prepareProcess();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(TAGPOT_PREVIEW_DIR));

    MainWindow window;
    window.show();
    setEditorText(window.source(), QStringLiteral("<!DOCTYPE html><title>小さなページ</title><p>本文</p>"));

    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction *>(QStringLiteral("previewToggle"))->trigger();
    std::printf("preview module and view made: %.0f ms\n", timer.nsecsElapsed() / 1e6);
    auto *view = window.preview()->pane()->findChild<QWebEngineView *>();
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    if (!loaded.wait(120000))
        return 1;
    std::printf("first showing of a small page (engine start included): %.0f ms\n", timer.nsecsElapsed() / 1e6);

    timer.restart();
    setEditorText(window.source(), largeHtmlDocument(1024 * 1024));
    if (!loaded.wait(120000))
        return 1;
    std::printf("1 MB page opened to shown: %.0f ms (of which %d ms the pause after typing)\n",
                timer.nsecsElapsed() / 1e6, LivePreview::restMs);

    for (int run = 0; run < 5; ++run) {
        QTextCursor middle(window.source()->document()->findBlockByNumber(window.source()->blockCount() / 2));
        timer.restart();
        middle.insertText(QStringLiteral("あ"));
        if (!loaded.wait(120000))
            return 1;
        std::printf("keystroke to refreshed preview: %.0f ms (of which %d ms the pause after typing)\n",
                    timer.nsecsElapsed() / 1e6, LivePreview::restMs);
    }
    return 0;
}
