// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a 20 MB page into the editor and times what a user feels: loading,
// a keystroke and a snippet insertion in the middle, and reading the text back;
// then the same with HTML colouring on.
#include "core/document/lineends.h"
#include "editor/editortext.h"
#include "editor/htmlhighlighter.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"
#include "processmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <cstdio>

static double elapsedMs(QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Types into the editor and repaints, `count` times; the worst time.
static double worstKeystroke(SourceEditor &editor, Qt::Key key, int count)
{
    QElapsedTimer timer;
    double worst = 0;
    for (int i = 0; i < count; ++i) {
        timer.start();
        QTest::keyClick(&editor, key);
        editor.viewport()->repaint();
        QApplication::processEvents();
        worst = std::max(worst, elapsedMs(timer));
    }
    return worst;
}

static void moveTo(SourceEditor &editor, int blockNumber, int column)
{
    QTextCursor cursor(editor.document()->findBlockByNumber(blockNumber));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    editor.setTextCursor(cursor);
    editor.viewport()->repaint();
    QApplication::processEvents();
}

static void run(const QString &document, qsizetype bytes, bool colouring)
{
    std::printf("\n--- HTML colouring %s ---\n", colouring ? "on" : "off");
    const long baseKiB = peakMemoryKiB();
    SourceEditor editor;
    auto *highlighter = new HtmlHighlighter(&editor);
    highlighter->setEnabled(colouring);
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    setEditorText(&editor, document);
    editor.viewport()->repaint();
    QApplication::processEvents();
    const double firstScreenMs = elapsedMs(timer);
    // The rest goes in between events, as in the running program.
    while (pageFiller(&editor))
        QApplication::processEvents();
    const double loadMs = elapsedMs(timer);

    moveTo(editor, editor.blockCount() / 2, 10);
    editor.setSelAlignment(SourceEditor::AlignCenter);
    editor.viewport()->repaint();
    const double worstKeyMs = worstKeystroke(editor, Qt::Key_A, 20);

    const QString snippet = QStringLiteral("<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n<!--ここに本文-->\r\n\r\n</BODY></HTML>");
    double worstInsertMs = 0;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        editor.setSelText(snippet);
        editor.viewport()->repaint();
        QApplication::processEvents();
        worstInsertMs = std::max(worstInsertMs, elapsedMs(timer));
    }

    // A quote typed inside a tag near the top changes how every line below
    // starts; then the view jumps to the end of the page.
    moveTo(editor, 10, 10);
    const double quoteMs = worstKeystroke(editor, Qt::Key_QuoteDbl, 1);
    timer.restart();
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
    editor.viewport()->repaint();
    QApplication::processEvents();
    const double jumpMs = elapsedMs(timer);
    const double endKeyMs = worstKeystroke(editor, Qt::Key_B, 1);
    moveTo(editor, editor.blockCount() - 3, 3);
    const double lastKeyMs = worstKeystroke(editor, Qt::Key_C, 10);

    timer.restart();
    const QString readBack = withLineEnds(PageText(&editor).all(), LineEnd::CrLf);
    const double readMs = elapsedMs(timer);

    const long peakKiB = peakMemoryKiB();

    // Opening another page fills the same editor again, over the loaded one.
    timer.restart();
    setEditorText(&editor, document);
    editor.viewport()->repaint();
    while (pageFiller(&editor))
        QApplication::processEvents();
    const double reloadMs = timer.nsecsElapsed() / 1e6;
    const long reloadPeakKiB = peakMemoryKiB();
    std::printf("document            %8.1f MB (UTF-8), %d lines in %d blocks\n", bytes / 1048576.0,
                PageLines::lineCount(editor.document()), editor.blockCount());
    std::printf("load                %8.1f ms   (target <= 1000), the first screen after %.1f ms\n", loadMs,
                firstScreenMs);
    std::printf("keystroke, worst    %8.2f ms   (target <= 16), middle of a centred paragraph\n", worstKeyMs);
    std::printf("insertion, worst    %8.2f ms   (target <= 16), 7-line snippet in the middle\n", worstInsertMs);
    std::printf("quote near the top  %8.2f ms   (target <= 16), changes how every line below starts\n", quoteMs);
    std::printf("jump to the end     %8.2f ms   after that quote\n", jumpMs);
    std::printf("keystroke at end    %8.2f ms   (target <= 16), first, then worst of 10: %.2f ms\n", endKeyMs, lastKeyMs);
    std::printf("read back (CR LF)   %8.1f ms   (target <= 300), %lld characters\n", readMs, qlonglong(readBack.size()));
    std::printf("peak memory         %8.1f MB   (%.1fx the file; target <= 15x), %.1f MB before loading\n",
                peakKiB / 1024.0, peakKiB * 1024.0 / bytes, baseKiB / 1024.0);
    std::printf("load over the page  %8.1f ms   (target <= 1000), peak memory after it %.1f MB\n", reloadMs,
                reloadPeakKiB / 1024.0);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const qsizetype bytes = 20 * 1024 * 1024;
    const QString document = largeHtmlDocument(bytes);
    // The peak memory of the second run includes the first one's.
    const bool colouredOnly = app.arguments().contains(QStringLiteral("--coloured"));
    const bool plainOnly = app.arguments().contains(QStringLiteral("--plain"));
    if (!colouredOnly)
        run(document, bytes, false);
    if (!plainOnly)
        run(document, bytes, true);
    return 0;
}
