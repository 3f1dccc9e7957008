// SPDX-License-Identifier: GPL-3.0-or-later
// A page that is one long line (minified or generated markup): opening it,
// then a keystroke, a Backspace and an Undo at its start, middle and end.
// Usage: bench_longline [megabytes, default 1] [wrap|nowrap]
#include "editor/sourceeditor.h"
#include "editor/editortext.h"

#include "largedocument.h"
#include "processmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <cstdio>

// About `bytes` bytes (in UTF-8) of markup with Japanese text and no line end.
static QString oneLinePage(qsizetype bytes)
{
    const QString pieces[] = {
        QStringLiteral("<div class=\"item\"><a href=\"/shop/item.html?id=1024\">日本語の商品名とHTMLタグ</a>"),
        QStringLiteral("<span class=\"price\">価格：1,000円</span></div>"),
        QStringLiteral("<p>本日は晴天なり。タグポットで書いたページです。</p><script>var a=[1,2,3];</script>"),
    };
    return repeatedUpTo(bytes, pieces);
}

struct Worst
{
    double typing = 0, erasing = 0, undoing = 0;
};

static Worst editAt(SourceEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position);
    editor.setTextCursor(cursor);
    editor.viewport()->repaint();
    Worst worst;
    QElapsedTimer timer;
    for (int i = 0; i < 5; ++i) {
        timer.start();
        QTest::keyClick(&editor, Qt::Key_A);
        editor.viewport()->repaint();
        worst.typing = std::max(worst.typing, timer.nsecsElapsed() / 1e6);
        timer.start();
        QTest::keyClick(&editor, Qt::Key_Backspace);
        editor.viewport()->repaint();
        worst.erasing = std::max(worst.erasing, timer.nsecsElapsed() / 1e6);
        QTest::keyClick(&editor, Qt::Key_B);
        editor.viewport()->repaint();
        timer.start();
        editor.undo();
        editor.viewport()->repaint();
        worst.undoing = std::max(worst.undoing, timer.nsecsElapsed() / 1e6);
    }
    return worst;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double megabytes = argc > 1 ? QByteArray(argv[1]).toDouble() : 1.0;
    const bool wrap = !(argc > 2 && QByteArray(argv[2]) == "nowrap");

    const qsizetype bytes = qsizetype(megabytes * 1000 * 1000);
    const QString page = oneLinePage(bytes);
    const long baseKiB = peakMemoryKiB();

    SourceEditor editor;
    if (!wrap)
        editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    setEditorText(&editor, page);
    editor.viewport()->repaint();
    const double loadMs = timer.nsecsElapsed() / 1e6;

    const int length = int(page.size());
    const Worst start = editAt(editor, 0);
    const Worst middle = editAt(editor, length / 2);
    const Worst end = editAt(editor, length);

    const bool intact = editorText(&editor) == page;
    const long peakKiB = peakMemoryKiB();
    std::printf("one-line page       %8.1f MB (UTF-8), %lld characters, %s\n", bytes / 1e6, qlonglong(length),
                wrap ? "wrapped" : "not wrapped");
    std::printf("load                %8.1f ms\n", loadMs);
    std::printf("                    %8s    %8s    %8s   (worst of 5, ms)\n", "start", "middle", "end");
    std::printf("keystroke           %8.2f    %8.2f    %8.2f\n", start.typing, middle.typing, end.typing);
    std::printf("Backspace           %8.2f    %8.2f    %8.2f\n", start.erasing, middle.erasing, end.erasing);
    std::printf("Undo                %8.2f    %8.2f    %8.2f\n", start.undoing, middle.undoing, end.undoing);
    std::printf("text intact         %8s\n", intact ? "yes" : "NO");
    std::printf("peak memory         %8.1f MB   (%.1fx the file), %.1f MB before loading\n", peakKiB / 1024.0,
                peakKiB * 1024.0 / bytes, baseKiB / 1024.0);
    return intact ? 0 : 1;
}
