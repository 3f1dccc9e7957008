// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/longlinebreaks.h"
#include "document/documentsnapshot.h"
#include "editor/caretstatus.h"
#include "editor/editortext.h"
#include "editor/gotoline.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

// Minified markup on one line of about `length` characters.
QString minified(qsizetype length, const QString &gap = u" "_s)
{
    const QString piece = u"<div class=\"item\"><a" + gap + u"href=\"/a.html\">日本語</a></div>";
    QString text;
    while (text.size() < length)
        text += piece;
    return text;
}

// A page large enough to go in piece by piece, of numbered short lines
// (the last one ends with a line end too).
constexpr int largePageLines = 100'000;
QString largePage()
{
    static const QString text = [] {
        QString page;
        for (int line = 1; line <= largePageLines; ++line)
            page += u"<TR><TD>日本語の %1 行目</TD><TD>セル</TD></TR>\n"_s.arg(line, 6, 10, QChar(u'0'));
        return page;
    }();
    return text;
}

// Where line (from 0) of text starts.
int startOfLine(const QString &text, int line)
{
    qsizetype at = 0;
    for (int skipped = 0; skipped < line; ++skipped)
        at = text.indexOf(u'\n', at) + 1;
    return int(at);
}

// Fills the editor and waits until the page is wholly in.
void load(SourceEditor &editor, const QString &text)
{
    setEditorText(&editor, text);
    QTRY_VERIFY_WITH_TIMEOUT(!pageFiller(&editor), 60'000);
}

void putCaret(SourceEditor &editor, int position, int anchor = -1)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(anchor < 0 ? position : anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

// The page used by most cases: a short line, a long one, a short one.
const QString shortFirst = u"<HTML><BODY>\n"_s;
QString threeLines()
{
    static const QString text = shortFirst + minified(60'000) + u"\n</BODY></HTML>\n"_s;
    return text;
}

// Where the long line of threeLines() is cut, and a place well inside its
// second piece.
qsizetype secondBreak()
{
    return longLineBreaks(threeLines()).at(1);
}

} // namespace

class TestPageLines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::clipboard()->clear(); }

    void pageReadsBackAsGiven_data();
    void pageReadsBackAsGiven();
    void editsKeepTheLineEnds_data();
    void editsKeepTheLineEnds();
    void caretSelectionAndCopyCrossPieces();
    void linesAreCountedAsThePageHasThem();
    void alignmentCoversTheWholeLine();
    void settingTheTextCutsAsOpeningDoes_data();
    void settingTheTextCutsAsOpeningDoes();
    void pastedLongLinesAreCut_data();
    void pastedLongLinesAreCut();
    void groupedLinesActAsLines();
    void alignsOneLineOfAGroup();
};

// The page comes back character for character however it went in, from the
// editor and from the copy recovery takes; only long lines are shown cut.
void TestPageLines::pageReadsBackAsGiven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    // Blocks against lines: more when long lines are cut, fewer when short
    // lines share blocks.
    QTest::addColumn<int>("blocks");

    const int more = 1, same = 0, fewer = -1;
    QTest::addRow("an ordinary page is not cut") << u"<P>本文</P>\n<P>次</P>"_s << 2 << same;
    QTest::addRow("one long line, cut at spaces") << minified(100'000) << 1 << more;
    QTest::addRow("one long line, cut at tabs") << minified(100'000, u"\t"_s) << 1 << more;
    QTest::addRow("a long line between short ones") << threeLines() << 4 << more;
    QTest::addRow("a long line with no space stays whole")
        << u"<img src=\"data:image/png;base64,"_s + u"QUJD"_s.repeated(10'000) + u"\">\n"_s << 2 << same;
    QTest::addRow("megabytes going in piece by piece")
        << (minified(PageFiller::piecewiseFrom) + u'\n' + minified(50'000)) << 2 << more;
    QTest::addRow("a line of megabytes going in piece by piece") << minified(PageFiller::piecewiseFrom + 10) << 1 << more;
    QTest::addRow("a large page of short lines shares blocks") << largePage() << largePageLines + 1 << fewer;
    QTest::addRow("short lines around a long one, and blank lines, on a large page")
        << (u"\n\n"_s + largePage() + minified(40'000) + u"\n\n<P>\n"_s + largePage() + u"\n"_s) << 2 * largePageLines + 7
        << fewer;
    QTest::addRow("a large page holding U+2028 of its own keeps a line to a block")
        << (u"<P>\u2028</P>\n"_s + largePage()) << largePageLines + 2 << same;
}

void TestPageLines::pageReadsBackAsGiven()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(int, blocks);

    SourceEditor editor;
    load(editor, text);
    QTextDocument *document = editor.document();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
    // As a plain-text box gives its text: its own line separators as "\n".
    const QString plain = QString(text).replace(QChar::LineSeparator, u'\n');
    QCOMPARE(editor.toPlainText(), plain);
    QCOMPARE(editor.property("plainText").toString(), plain);
    QCOMPARE(PageLines::lineCount(document), lines);
    QCOMPARE((document->blockCount() > lines) - (document->blockCount() < lines), blocks);
    QVERIFY(!document->isModified());
    QVERIFY(!document->isUndoAvailable());

    DocumentSnapshot snapshot(&editor);
    QVERIFY(snapshot.copy(std::chrono::milliseconds(-1)));
    QCOMPARE(snapshot.takeText(), text);

    // Every block is short enough to lay out quickly.
    for (QTextBlock block = document->begin(); blocks != 0 && block.isValid(); block = block.next())
        QVERIFY(block.length() <= longLinePieceMost + 1);
}

// Edits where a line is cut, and in its later pieces: the text changes as
// the same edit would change it in the page, and undo and redo go back and
// forth between the two.
void TestPageLines::editsKeepTheLineEnds_data()
{
    QTest::addColumn<int>("from");      // relative to the second break
    QTest::addColumn<int>("to");        // the selection's other end, relative too
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("typed");

    QTest::addRow("Enter inside a later piece") << 100 << 100 << u"key"_s << u"\n"_s;
    QTest::addRow("Enter just after a break") << 1 << 1 << u"key"_s << u"\n"_s;
    QTest::addRow("Enter just before a break") << 0 << 0 << u"key"_s << u"\n"_s;
    QTest::addRow("a letter just before a break") << 0 << 0 << u"key"_s << u"x"_s;
    QTest::addRow("Delete at the end of a piece") << 0 << 1 << u"key"_s << QString();
    QTest::addRow("Backspace at the start of a piece") << 1 << 0 << u"key"_s << QString();
    QTest::addRow("pasting lines into a later piece") << 100 << 100 << u"paste"_s << u"<TR>\n<TD></TD>\n</TR>"_s;
    QTest::addRow("markup with lines put in over a break") << -10 << 10 << u"insert"_s << u"<TABLE>\n</TABLE>"_s;
    QTest::addRow("typing over a selection across a break") << -10 << 10 << u"key"_s << u"y"_s;
}

void TestPageLines::editsKeepTheLineEnds()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, action);
    QFETCH(QString, typed);

    const QString page = threeLines();
    const int at = int(secondBreak());
    const int start = at + std::min(from, to);
    const int length = std::abs(to - from);
    const QString expected = QString(page).replace(start, length, typed);

    SourceEditor editor;
    load(editor, page);
    putCaret(editor, at + to, at + from);
    if (action == u"paste") {
        QApplication::clipboard()->setText(typed);
        editor.paste();
    } else if (action == u"insert") {
        editor.setSelText(typed);
    } else if (typed == u"\n") {
        QTest::keyClick(&editor, Qt::Key_Return);
    } else if (typed.isEmpty()) {
        QTest::keyClick(&editor, from < to ? Qt::Key_Delete : Qt::Key_Backspace);
    } else {
        QTest::keyClicks(&editor, typed);
    }
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), expected);
    QCOMPARE(PageLines::lineCount(editor.document()), int(expected.count(u'\n')) + 1);

    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
    editor.redo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), expected);
    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);

    // Replacing all of the page and undoing it brings the cut page back.
    editor.selectAll();
    editor.setSelText(u"<P>"_s);
    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);

    // And a line end typed after history went back and forth over it.
    putCaret(editor, at + 100);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(page).insert(at + 100, u'\n'));
}

void TestPageLines::caretSelectionAndCopyCrossPieces()
{
    const QString page = threeLines();
    const int at = int(secondBreak());
    SourceEditor editor;
    editor.resize(600, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    load(editor, page);

    // Right from the end of a piece goes over the space it stands for, to the
    // next piece; Left comes back.
    putCaret(editor, at);
    QTest::keyClick(&editor, Qt::Key_Right);
    QCOMPARE(editor.textCursor().position(), at + 1);
    QCOMPARE(editor.textCursor().block().position(), at + 1);
    QTest::keyClick(&editor, Qt::Key_Left);
    QCOMPARE(editor.textCursor().position(), at);

    // Selecting over the break and copying give the page's own characters.
    putCaret(editor, at - 5);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier);
    const QString chosen = page.mid(at - 5, 10);
    QCOMPARE(PageText(&editor).selection(), chosen);
    editor.copy();
    QCOMPARE(QApplication::clipboard()->text(), chosen);
    editor.cut();
    QCOMPARE(QApplication::clipboard()->text(), chosen);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(page).remove(at - 5, 10));
    editor.paste();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);

    // Clicking where a character of a later piece is drawn puts the caret there.
    for (int position : {at + 1, at + 57, at + 2000}) {
        putCaret(editor, position);
        editor.ensureCursorVisible();
        const QRect caret = editor.cursorRect();
        QCOMPARE(editor.cursorForPosition(caret.center() + QPoint(1, 0)).position(), position);
    }
}

// The status bar, going to a line and the line count count the page's lines,
// not the pieces they are shown in; columns count on across the pieces.
void TestPageLines::linesAreCountedAsThePageHasThem()
{
    const QString page = threeLines();
    const int at = int(secondBreak());
    SourceEditor editor;
    CaretStatus status(&editor);
    load(editor, page);

    struct Case
    {
        int position;
        QString shown;
    };
    const int secondLine = int(shortFirst.size());
    const int thirdLine = int(page.indexOf(u"</BODY>"));
    for (const Case &c : {Case{0, u"1 行 : 1 桁"_s}, Case{secondLine, u"2 行 : 1 桁"_s},
                          Case{at + 1, u"2 行 : %1 桁"_s.arg(at + 2 - secondLine)},
                          Case{at + 300, u"2 行 : %1 桁"_s.arg(at + 301 - secondLine)},
                          Case{thirdLine, u"3 行 : 1 桁"_s}}) {
        putCaret(editor, c.position);
        QCOMPARE(status.text(), c.shown);
    }
    // The column stays right after an edit in an earlier piece.
    putCaret(editor, secondLine + 5);
    editor.setSelText(u"日本"_s);
    putCaret(editor, at + 300 + 2);
    QCOMPARE(status.text(), u"2 行 : %1 桁"_s.arg(at + 301 - secondLine + 2));

    QCOMPARE(PageLines::lineCount(editor.document()), 4);
    moveToLine(&editor, 3);
    QCOMPARE(editor.textCursor().position(), thirdLine + 2);
    QCOMPARE(status.text(), u"3 行 : 1 桁"_s);
    moveToLine(&editor, 99);
    QCOMPARE(status.text(), u"4 行 : 1 桁"_s);
}

// Aligning the caret's paragraph aligns the whole long line, and only it;
// the text stays as it was and the page unedited.
void TestPageLines::alignmentCoversTheWholeLine()
{
    const QString page = threeLines();
    SourceEditor editor;
    load(editor, page);
    putCaret(editor, int(secondBreak()) + 100);
    editor.setSelAlignment(SourceEditor::AlignCenter);

    const QTextDocument *document = editor.document();
    const QTextBlock first = document->findBlock(int(shortFirst.size()));
    QCOMPARE(PageLines::lineStart(document, editor.textCursor().position()), first.position());
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const bool sameLine = block == first || !PageLines::joinOf(block).isNull();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHCenter, sameLine ? Qt::Alignment(Qt::AlignHCenter) : Qt::Alignment());
    }
    QVERIFY(!(document->firstBlock().blockFormat().alignment() & Qt::AlignHCenter));
    QTextCursor atStart(first);
    editor.setTextCursor(atStart);
    QCOMPARE(editor.selAlignment(), int(SourceEditor::AlignCenter));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
    QVERIFY(!document->isModified());
}

// Whoever sets the editor's text (its plainText property, setPlainText) gets
// the page as opening puts it in, complete at once; a small page after a
// large one is one line to a block again.
void TestPageLines::settingTheTextCutsAsOpeningDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    QTest::addRow("one long line") << minified(100'000) << 1;
    QTest::addRow("a large page of short lines") << largePage() << largePageLines + 1;
    QTest::addRow("a line of megabytes") << minified(PageFiller::piecewiseFrom + 10) << 1;
}

void TestPageLines::settingTheTextCutsAsOpeningDoes()
{
    QFETCH(QString, text);
    QFETCH(int, lines);

    SourceEditor editor;
    editor.setProperty("plainText", text);
    QVERIFY(!pageFiller(&editor));
    QVERIFY(!editor.isReadOnly());
    QVERIFY(editor.blockCount() != lines);
    QCOMPARE(PageLines::lineCount(editor.document()), lines);
    QCOMPARE(editor.toPlainText(), text);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());

    const QString small = u"<P>\u2028</P>\n<P>小さいページ</P>"_s;
    editor.setPlainText(small);
    QVERIFY(!PageLines::of(editor.document()));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), small);

    // The same through QPlainTextEdit itself: the page is cut once it is in,
    // and stays unmodified with no history.
    QPlainTextEdit &plain = editor;
    plain.setPlainText(text);
    if (text.size() < PageFiller::piecewiseFrom)
        QVERIFY(editor.blockCount() > lines);
    QCOMPARE(PageLines::lineCount(editor.document()), lines);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), u'\n' + text);
    plain.setPlainText(small);
    QVERIFY(!PageLines::of(editor.document()));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), small);
}

// A long line pasted is cut for display as an opened one is: the page gets
// exactly the text pasted, one undo step takes it away, and line ends typed
// in it stay line ends.
void TestPageLines::pastedLongLinesAreCut_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("inserted");   // what the page gets

    const QString line = minified(50'000);
    QTest::addRow("into an empty page") << QString() << 0 << 0 << line << line;
    QTest::addRow("into the middle of a short line") << u"<P>本文</P>"_s << 3 << 3 << line << line;
    QTest::addRow("over a selection, with short lines around")
        << u"<P>一</P>\n<P>二</P>"_s << 3 << 11 << (u"a\n"_s + line + u"\nb"_s) << (u"a\n"_s + line + u"\nb"_s);
    QTest::addRow("CR LF line ends become the editor's")
        << u"<P></P>"_s << 0 << 0 << (line + u"\r\n"_s + line + u"\r\n"_s) << (line + u"\n"_s + line + u"\n"_s);
    QTest::addRow("into a later piece of a long line")
        << threeLines() << int(secondBreak()) + 50 << int(secondBreak()) + 50 << (u"x\n"_s + line) << (u"x\n"_s + line);
    QTest::addRow("a long line and a short one into a later piece")
        << threeLines() << int(secondBreak()) + 50 << int(secondBreak()) + 50 << (line + u"\ny"_s) << (line + u"\ny"_s);
}

void TestPageLines::pastedLongLinesAreCut()
{
    QFETCH(QString, page);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, pasted);
    QFETCH(QString, inserted);

    SourceEditor editor;
    load(editor, page);
    putCaret(editor, to, from);
    QApplication::clipboard()->setText(pasted);
    editor.paste();
    const QString expected = QString(page).replace(from, to - from, inserted);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), expected);
    QCOMPARE(PageLines::lineCount(editor.document()), int(expected.count(u'\n')) + 1);
    QCOMPARE(editor.textCursor().position(), from + int(inserted.size()));
    // The ends of what was pasted join the pieces around the caret: at most
    // a piece of each.
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() <= 2 * longLinePieceMost + 1);

    // A line end typed in the middle of what was pasted stays one.
    const int middle = from + int(inserted.size()) / 2;
    putCaret(editor, middle);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(expected).insert(middle, u'\n'));
    editor.undo();
    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
}

// On a large page short lines share blocks; to the user they are lines as
// any other: counted, gone to, typed in, copied, line ends typed between.
void TestPageLines::groupedLinesActAsLines()
{
    const QString page = largePage();
    SourceEditor editor;
    CaretStatus status(&editor);
    load(editor, page);
    const QTextDocument *document = editor.document();
    QVERIFY(document->blockCount() < largePageLines / 2);
    QCOMPARE(PageLines::lineCount(document), largePageLines + 1);

    for (int line : {0, 1, 7, 8, 9, 54'321, largePageLines - 1}) {
        const int start = startOfLine(page, line);
        moveToLine(&editor, line + 1);
        QCOMPARE(editor.textCursor().position(), start);
        QCOMPARE(status.text(), u"%1 行 : 1 桁"_s.arg(line + 1));
        QCOMPARE(PageLines::lineStart(document, start + 10), start);
        QCOMPARE(PageLines::lineEnd(document, start), int(page.indexOf(u'\n', start)));
        putCaret(editor, start + 12);
        QCOMPARE(status.text(), u"%1 行 : 13 桁"_s.arg(line + 1));
    }

    // A selection over line ends inside a block copies as lines.
    const int third = startOfLine(page, 2);
    putCaret(editor, third + 40, third - 5);
    editor.copy();
    QCOMPARE(QApplication::clipboard()->text(), page.mid(third - 5, 45));

    // Enter and Shift+Enter in a grouped line both type "\n".
    for (auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        putCaret(editor, third + 4);
        QTest::keyClick(&editor, Qt::Key_Return, modifier);
        QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(page).insert(third + 4, u'\n'));
        QCOMPARE(PageLines::lineCount(document), largePageLines + 2);
        QCOMPARE(status.text(), u"4 行 : 1 桁"_s);
        editor.undo();
        QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
    }
    // Joining two lines of a group and undoing it.
    putCaret(editor, third);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(page).remove(third - 1, 1));
    QCOMPARE(PageLines::lineCount(document), largePageLines);
    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
    QCOMPARE(PageLines::lineCount(document), largePageLines + 1);
}

// Aligning a line that shares a block aligns that line only; the text stays.
void TestPageLines::alignsOneLineOfAGroup()
{
    const QString page = largePage();
    SourceEditor editor;
    load(editor, page);
    const QTextDocument *document = editor.document();
    const int line = 10;
    const int start = startOfLine(page, line);
    putCaret(editor, start + 3);
    editor.setSelAlignment(SourceEditor::AlignRight);

    const QTextBlock block = document->findBlock(start);
    QCOMPARE(block.position(), start);
    QCOMPARE(block.text(), page.mid(start, page.indexOf(u'\n', start) - start));
    QVERIFY(block.blockFormat().alignment() & Qt::AlignRight);
    QVERIFY(!(block.previous().blockFormat().alignment() & Qt::AlignRight));
    QVERIFY(!(block.next().blockFormat().alignment() & Qt::AlignRight));
    QCOMPARE(editor.selAlignment(), int(SourceEditor::AlignRight));
    putCaret(editor, startOfLine(page, line + 1));
    QCOMPARE(editor.selAlignment(), int(SourceEditor::AlignLeft));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), page);
    QVERIFY(!document->isModified());
    QCOMPARE(PageLines::lineAt(document, start), line);
}

QTEST_MAIN(TestPageLines)
#include "tst_pagelines.moc"
