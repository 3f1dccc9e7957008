// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/editorplaceholders.h"
#include "core/text/caretcolumn.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

QString minified(qsizetype length)
{
    QString text;
    while (text.size() < length)
        text += u"<div class=\"item\"><a href=\"/a.html\">日本語</a></div> "_s;
    return text;
}

// Large enough to go in piece by piece, its short lines sharing blocks.
QString largePage()
{
    QString page;
    for (int line = 1; page.size() < PageFiller::piecewiseFrom + 1000; ++line)
        page += u"<TR><TD>%1 行目\u00A0</TD></TR>\n"_s.arg(line);
    return page;
}

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT

private slots:
    void givesThePageBack_data();
    void givesThePageBack();
};

// Whatever the editor holds the page with, every reading of it is the page.
void TestPageText::givesThePageBack_data()
{
    QTest::addColumn<QString>("page");

    QTest::addRow("a small page with its own U+2028 and no-break spaces")
        << u"<P>一\u2028二</P>\n<P>a\u00A0b</P>\n\n末尾"_s;
    QTest::addRow("one line long enough to be shown in pieces") << (u"<P>\n"_s + minified(100'000) + u"\n</P>"_s);
    QTest::addRow("a large page of short lines sharing blocks") << largePage();
    QTest::addRow("a page holding U+2029, U+FDD0 and U+FDD1 of its own")
        << u"<P>段\u2029落</P>\n<P>\uFDD0枠\uFDD1</P>\n"_s;
}

void TestPageText::givesThePageBack()
{
    QFETCH(QString, page);

    SourceEditor editor;
    QString held = page;
    const bool standIns = countEditorBreakers(page) > 0;
    if (standIns)
        putPlaceholders(held);
    editor.setHoldsStandIns(standIns);
    setEditorText(&editor, held);

    const PageText text(&editor);
    QCOMPARE(text.all(), page);
    QCOMPARE(editor.document()->characterCount(), page.size() + 1);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), held);

    const QStringList lines = page.split(u'\n');
    QCOMPARE(text.lineCount(), lines.size());
    QList<int> starts;
    text.forEachLine(0, int(page.size()) + 1, [&](int number, int start) {
        QCOMPARE(number, starts.size());
        starts.append(start);
    });
    QCOMPARE(starts.size(), lines.size());
    // Each line read at its start, its middle and its end.
    for (int number = 0; number < lines.size(); number += std::max<int>(1, lines.size() / 50)) {
        const int start = starts[number];
        const int end = start + int(lines[number].size());
        QCOMPARE(text.positionOfLine(number), start);
        for (int position : {start, (start + end) / 2, end}) {
            QCOMPARE(text.lineNumber(position), number);
            QCOMPARE(text.lineStart(position), start);
            QCOMPARE(text.lineEnd(position), end);
            QCOMPARE(text.column(position), caretColumn(QStringView(page).sliced(start, position - start)));
        }
        QCOMPARE(text.line(start), lines[number]);
    }
    // A range across line ends and soft breaks, and the selection.
    const int from = int(page.size()) / 3;
    const int to = std::min(int(page.size()), from + 20'000);
    QCOMPARE(text.range(from, to), page.mid(from, to - from));
    QTextCursor cursor(editor.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    QCOMPARE(text.selection(), page.mid(from, to - from));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).selection(), held.mid(from, to - from));
}

QTEST_MAIN(TestPageText)
#include "tst_pagetext.moc"
