// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a 20 MB page into the editor and times what a user feels: loading,
// a keystroke and a snippet insertion in the middle, and reading the text back.
#include "editor/sourceeditor.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "core/document/lineends.h"
#include "largedocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTextBlock>

#include <cstdio>

static long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const qsizetype bytes = 20 * 1024 * 1024;
    const QString document = largeHtmlDocument(bytes);
    const long baseKiB = peakMemoryKiB();

    SourceEditor editor;
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    setEditorText(&editor, document);
    editor.viewport()->repaint();
    const double firstScreenMs = timer.nsecsElapsed() / 1e6;
    // The rest goes in between events, as in the running program.
    while (pageFiller(&editor))
        QApplication::processEvents();
    const double loadMs = timer.nsecsElapsed() / 1e6;

    QTextCursor middle(editor.document()->findBlockByNumber(editor.blockCount() / 2));
    middle.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
    editor.setTextCursor(middle);
    editor.setSelAlignment(SourceEditor::AlignCenter);
    editor.viewport()->repaint();

    double worstKeyMs = 0;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        QTest::keyClick(&editor, Qt::Key_A);
        editor.viewport()->repaint();
        worstKeyMs = std::max(worstKeyMs, timer.nsecsElapsed() / 1e6);
    }

    const QString snippet = QStringLiteral("<HTML><HEAD><TITLE>タイトル</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n<!--ここに本文-->\r\n\r\n</BODY></HTML>");
    double worstInsertMs = 0;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        editor.setSelText(snippet);
        editor.viewport()->repaint();
        worstInsertMs = std::max(worstInsertMs, timer.nsecsElapsed() / 1e6);
    }

    timer.restart();
    const QString readBack = withLineEnds(editorText(&editor), LineEnd::CrLf);
    const double readMs = timer.nsecsElapsed() / 1e6;

    const long peakKiB = peakMemoryKiB();

    // Opening another page fills the same editor again, over the loaded one.
    timer.restart();
    setEditorText(&editor, document);
    editor.viewport()->repaint();
    while (pageFiller(&editor))
        QApplication::processEvents();
    const double reloadMs = timer.nsecsElapsed() / 1e6;
    const long reloadPeakKiB = peakMemoryKiB();
    std::printf("document            %8.1f MB (UTF-8), %d lines\n", bytes / 1048576.0, editor.blockCount());
    std::printf("load                %8.1f ms   (target <= 1000), the first screen after %.1f ms\n", loadMs,
                firstScreenMs);
    std::printf("keystroke, worst    %8.2f ms   (target <= 16), middle of a centred paragraph\n", worstKeyMs);
    std::printf("insertion, worst    %8.2f ms   (target <= 16), 7-line snippet in the middle\n", worstInsertMs);
    std::printf("read back (CR LF)   %8.1f ms   (target <= 300), %lld characters\n", readMs, qlonglong(readBack.size()));
    std::printf("peak memory         %8.1f MB   (%.1fx the file; target <= 15x), %.1f MB before loading\n",
                peakKiB / 1024.0, peakKiB * 1024.0 / bytes, baseKiB / 1024.0);
    std::printf("load over the page  %8.1f ms   (target <= 1000), peak memory after it %.1f MB\n", reloadMs,
                reloadPeakKiB / 1024.0);
    return 0;
}
