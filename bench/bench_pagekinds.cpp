// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring by page kind in the real window, colouring on: a 20 MB HTML page
// with large <style> and <script> blocks, a 5 MB stylesheet and a 5 MB
// script (a minified one-line library among it): opening, the first screen
// coloured, keystrokes, and the swatches' cost per painted screen.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "core/document/memorypolicy.h"
#include "core/settings/settingkeys.h"
#include "document/documentfiles.h"
#include "editor/editortext.h"
#include "editor/htmlhighlighter.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString htmlWithBlocks(qsizetype bytes)
{
    const QString pieces[] = {
        u"<style>\n"_s + QString(u".box { color: #1a2b3c; margin: 0 auto !important; background: rgb(255, 200, 0); }\n"
                                 u"@media (max-width: 600px) { nav a { display: none; border: 1px solid hsl(210, 50%, 40%) } }\n"_s)
                             .repeated(200)
            + u"</style>\n"_s,
        largeHtmlDocument(20'000),
        u"<script>\n"_s + QString(u"const re = /ab+c/gi, n = 0x1F; let s = `合計 ${n * 2} 件`; // コメント\n"
                                  u"function f(a) { return a / 2 + 'x'; }\n"_s)
                              .repeated(200)
            + u"</script>\n"_s,
    };
    return repeatedUpTo(bytes, pieces);
}

QString stylesheet(qsizetype bytes)
{
    const QString pieces[] = {
        u"/* 見出し */\nh1, h2 {\n  color: #1a2b3c;\n  margin: 0 auto !important;\n}\n"_s,
        u".box { background: rgb(255, 200, 0) url(img/a.png); border: 1px solid hsl(210, 50%, 40%); }\n"_s,
        u"@media (max-width: 600px) {\n  nav a { display: none; color: red }\n}\n"_s,
    };
    return repeatedUpTo(bytes, pieces);
}

// Script of many lines, and a minified library: one line of a megabyte.
QString script(qsizetype bytes)
{
    QString minified = u"!function(e,t){\"use strict\";var n=/[a-z]+/gi,r=e.document;"_s;
    while (minified.size() < 1'000'000)
        minified += u"function a(b,c){return b/c>1?\"Syntax error, unrecognized expression: \"+b:`x ${c}`}var q=[1,2,3];"_s;
    minified += u"}(window);\n"_s;
    const QString pieces[] = {
        u"// 読み込み\nimport { a } from './a.js';\nconst re = /ab+c/gi, n = 0x1F;\n"_s,
        u"let s = `合計 ${n * 2} 件\n二行目`;\nfunction f(x) {\n  return x / 2 + 'x';\n}\n"_s,
    };
    return minified + repeatedUpTo(bytes - minified.size(), pieces);
}

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void measure(MainWindow &window, const QString &path, const char *what)
{
    SourceEditor *editor = window.source();
    QElapsedTimer timer;
    timer.start();
    window.documentFiles()->openPath(path);
    while (pageFiller(editor))
        QApplication::processEvents();
    editor->viewport()->repaint();
    const double openMs = ms(timer);

    // The first screen coloured, alone, from nothing read.
    auto *highlighter = editor->findChild<HtmlHighlighter *>();
    const PageKind kind = highlighter->kind();
    highlighter->setKind(kind == PageKind::Plain ? PageKind::Html : PageKind::Plain);
    highlighter->setKind(kind);
    timer.restart();
    highlighter->colourVisibleBlocks();
    const double firstScreenMs = ms(timer);

    // The swatches of a painted screen: found and painted.
    double swatchMs = 0;
    int swatches = 0;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        swatches = int(highlighter->visibleSwatches().size());
        highlighter->paintSwatches();
        swatchMs = std::max(swatchMs, ms(timer));
    }

    // Keystrokes in the middle of the page, each painted.
    QTextCursor cursor(editor->document()->findBlockByNumber(editor->blockCount() / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    editor->viewport()->repaint();
    double worstKeyMs = 0;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        QTest::keyClick(editor, i % 5 == 4 ? Qt::Key_Backspace : Qt::Key_A);
        editor->viewport()->repaint();
        worstKeyMs = std::max(worstKeyMs, ms(timer));
    }
    // A keystroke that opens a comment changes every line below.
    timer.restart();
    QTest::keyClicks(editor, u"/*"_s);
    editor->viewport()->repaint();
    const double commentMs = ms(timer);

    std::printf("%s: %.1f MB, %d blocks\n", what, QFile(path).size() / 1048576.0, editor->blockCount());
    std::printf("  open, complete and painted     %8.1f ms   (target <= 300 for 5 MB)\n", openMs);
    std::printf("  first screen coloured          %8.2f ms   (target <= 5)\n", firstScreenMs);
    std::printf("  swatches found and painted     %8.2f ms   (target <= 2), %d on screen\n", swatchMs, swatches);
    std::printf("  keystroke, worst of 20         %8.2f ms   (target <= 16)\n", worstKeyMs);
    std::printf("  typing \"/*\" (two keys)        %8.2f ms\n", commentMs);
    editor->document()->setModified(false);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    giveLargeBlocksBack();
    prepareProcess();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Settings::syntaxColoring.setValue(true);

    QTemporaryDir folder;
    const auto write = [&folder](const QString &name, const QString &text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(text.toUtf8());
        return path;
    };
    const QString html = write(u"page.html"_s, htmlWithBlocks(20 << 20));
    const QString css = write(u"style.css"_s, stylesheet(5 << 20));
    const QString js = write(u"library.js"_s, script(5 << 20));

    MainWindow window;
    window.show();
    QApplication::processEvents();
    if (!window.findChild<QAction *>(u"syntaxColoring"_s)->isChecked())
        qFatal("colouring is off");
    measure(window, css, "stylesheet");
    measure(window, js, "script with a minified library");
    measure(window, html, "HTML with <style> and <script>");
    return 0;
}
