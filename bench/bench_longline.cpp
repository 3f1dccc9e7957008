// SPDX-License-Identifier: GPL-3.0-or-later
// A page that is one long line (minified or generated markup), opened from a
// file in the real main window: the time until it is wholly in and the
// longest the window stops answering meanwhile, then a keystroke, a Backspace,
// an Undo, a caret move and a selection with copying at its start, middle and
// end, and peak memory. Saving it unedited must give the file's bytes back.
// Usage: bench_longline [megabytes, default 1] [wrap|nowrap]
#include "app/mainwindow.h"
#include "core/document/memorypolicy.h"
#include "document/documentfiles.h"
#include "editor/editortext.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"
#include "processmemory.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
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
    double typing = 0, erasing = 0, undoing = 0, moving = 0, copying = 0;
};

static double timed(SourceEditor &editor, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    editor.viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

static Worst editAt(SourceEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position);
    editor.setTextCursor(cursor);
    editor.viewport()->repaint();
    Worst worst;
    auto keep = [](double &most, double ms) { most = std::max(most, ms); };
    for (int i = 0; i < 5; ++i) {
        keep(worst.typing, timed(editor, [&] { QTest::keyClick(&editor, Qt::Key_A); }));
        keep(worst.erasing, timed(editor, [&] { QTest::keyClick(&editor, Qt::Key_Backspace); }));
        QTest::keyClick(&editor, Qt::Key_B);
        keep(worst.undoing, timed(editor, [&] { editor.undo(); }));
        keep(worst.moving, timed(editor, [&] { QTest::keyClick(&editor, i % 2 ? Qt::Key_Left : Qt::Key_Right); }));
        keep(worst.copying, timed(editor, [&] {
                 QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier);
                 editor.copy();
             }));
        // The selection goes, so the next keystroke types rather than replaces.
        QTest::keyClick(&editor, Qt::Key_Left);
    }
    return worst;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    giveLargeBlocksBack();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const double megabytes = argc > 1 ? QByteArray(argv[1]).toDouble() : 1.0;
    const bool wrap = !(argc > 2 && QByteArray(argv[2]) == "nowrap");

    const qsizetype bytes = qsizetype(megabytes * 1000 * 1000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("oneline.html"));
    const QByteArray fileBytes = oneLinePage(bytes).toUtf8();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
            return 2;
    }

    MainWindow window;
    SourceEditor &editor = *window.source();
    if (!wrap)
        editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    window.show();
    QApplication::processEvents();
    const long baseKiB = peakMemoryKiB();

    QElapsedTimer timer;
    timer.start();
    window.documentFiles()->openPath(path);
    editor.viewport()->repaint();
    const double firstScreenMs = timer.nsecsElapsed() / 1e6;
    double longestTurnMs = 0;
    QElapsedTimer turn;
    while (pageFiller(&editor)) {
        turn.start();
        QApplication::processEvents(QEventLoop::AllEvents);
        longestTurnMs = std::max(longestTurnMs, turn.nsecsElapsed() / 1e6);
    }
    editor.viewport()->repaint();
    const double loadMs = timer.nsecsElapsed() / 1e6;
    const long loadedKiB = peakMemoryKiB();

    const int length = editor.document()->characterCount() - 1;
    const Worst start = editAt(editor, 0);
    const Worst middle = editAt(editor, length / 2);
    const Worst end = editAt(editor, length);

    const QString page = QString::fromUtf8(fileBytes);
    const bool intact = PageText(&editor).all() == page;
    const bool copied = QApplication::clipboard()->text().size() == 1;
    editor.document()->setModified(false);
    window.documentFiles()->overwriteSave();
    QFile saved(path);
    const bool savedIntact = saved.open(QIODevice::ReadOnly) && saved.readAll() == fileBytes;
    const long peakKiB = peakMemoryKiB();

    std::printf("one-line page       %8.1f MB (UTF-8), %lld characters, %s, %d blocks on screen\n", bytes / 1e6,
                qlonglong(page.size()), wrap ? "wrapped" : "not wrapped", editor.blockCount());
    std::printf("first screen        %8.1f ms\n", firstScreenMs);
    std::printf("wholly in           %8.1f ms, longest unanswered moment %.1f ms\n", loadMs, longestTurnMs);
    std::printf("                    %8s    %8s    %8s   (worst of 5, ms)\n", "start", "middle", "end");
    std::printf("keystroke           %8.2f    %8.2f    %8.2f\n", start.typing, middle.typing, end.typing);
    std::printf("Backspace           %8.2f    %8.2f    %8.2f\n", start.erasing, middle.erasing, end.erasing);
    std::printf("Undo                %8.2f    %8.2f    %8.2f\n", start.undoing, middle.undoing, end.undoing);
    std::printf("caret left/right    %8.2f    %8.2f    %8.2f\n", start.moving, middle.moving, end.moving);
    std::printf("select and copy     %8.2f    %8.2f    %8.2f\n", start.copying, middle.copying, end.copying);
    std::printf("text intact         %8s   copy %s, unedited save gives the file back: %s\n", intact ? "yes" : "NO",
                copied ? "yes" : "NO", savedIntact ? "yes" : "NO");
    std::printf("peak memory         %8.1f MB once in (%.1fx the file), %.1f MB at the end, %.1f MB before loading\n",
                loadedKiB / 1024.0, loadedKiB * 1024.0 / bytes, peakKiB / 1024.0, baseKiB / 1024.0);
    return intact && savedIntact ? 0 : 1;
}
