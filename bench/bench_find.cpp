// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and replacing in a 20 MB page through the find dialog: the next
// match from the middle, a search that wraps round, counting, and replacing
// every one of more than 100,000 matches as one edit.
#include "editor/editortext.h"
#include "editor/finddialog.h"
#include "editor/pagefiller.h"
#include "editor/sourceeditor.h"
#include "largedocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextBlock>

#include <cstdio>

static double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const qsizetype bytes = 20 * 1024 * 1024;
    const QString document = largeHtmlDocument(bytes);
    SourceEditor editor;
    editor.resize(800, 600);
    editor.show();
    setEditorText(&editor, document);
    // A big page goes in between events: search the whole of it.
    while (pageFiller(&editor))
        QApplication::processEvents();
    editor.viewport()->repaint();

    FindDialog find(&editor);
    auto *pattern = find.findChild<QLineEdit *>(QStringLiteral("findText"));
    auto *replacement = find.findChild<QLineEdit *>(QStringLiteral("replaceText"));
    auto *regex = find.findChild<QCheckBox *>(QStringLiteral("findRegularExpression"));

    std::printf("document               %8.1f MB (UTF-8), %lld characters, %d lines\n", bytes / 1048576.0,
                qlonglong(document.size()), editor.blockCount());

    // The first search reads the page's text once; later ones reuse it until an edit.
    pattern->setText(QStringLiteral("トップページ"));
    editor.setTextCursor(QTextCursor(editor.document()->findBlockByNumber(editor.blockCount() / 2)));
    double ms = timed([&] { find.findNext(); });
    const double countMs = timed([&] { QApplication::processEvents(); });
    std::printf("find next, first       %8.1f ms   (target <= 100), reads the text; then counting %.1f ms: %s\n", ms,
                countMs, qPrintable(find.status()));
    ms = timed([&] { find.findNext(); });
    std::printf("find next, again       %8.1f ms   (target <= 100)\n", ms);

    pattern->setText(QStringLiteral("no such text"));
    ms = timed([&] { find.findNext(); });
    std::printf("find, no match, wraps  %8.1f ms   (target <= 100), the whole page twice\n", ms);

    regex->setChecked(true);
    pattern->setText(QStringLiteral("<A href='[^']*'>"));
    ms = timed([&] { find.findPrevious(); });
    QApplication::processEvents();
    std::printf("find previous, regex   %8.1f ms   (target <= 100), %s\n", ms, qPrintable(find.status()));
    regex->setChecked(false);

    editor.setTextCursor(QTextCursor(editor.document()->lastBlock()));
    editor.textCursor().insertText(QStringLiteral("x")); // an edit: the text is read again
    pattern->setText(QStringLiteral("<TD"));
    replacement->setText(QStringLiteral("<td"));
    find.findChild<QCheckBox *>(QStringLiteral("findMatchCase"))->setChecked(true);
    qsizetype replaced = 0;
    ms = timed([&] {
        replaced = find.replaceAll();
        editor.viewport()->repaint();
    });
    std::printf("replace all            %8.1f ms   (target <= 1000), %lld matches, one undo step\n", ms,
                qlonglong(replaced));
    ms = timed([&] {
        editor.undo();
        editor.viewport()->repaint();
    });
    std::printf("undo of replace all    %8.1f ms\n", ms);
    return 0;
}
