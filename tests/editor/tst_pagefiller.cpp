// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textfingerprint.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

class TestPageFiller : public QObject
{
    Q_OBJECT

private slots:
    void fillsPiecewise_data();
    void fillsPiecewise();
    void completesForWhoeverReadsTheText();
    void anotherPageReplacesOneGoingIn();
    void restoredPageStaysUnsaved();
    void editorClosedWhileFilling();
    void smallPageGoesInAtOnce();
};

// A page just over the size that goes in piece by piece, made of `line`.
static QString pageOf(const QString &line, qsizetype extra = 0)
{
    QString text;
    text.reserve(PageFiller::piecewiseFrom + line.size() + extra);
    while (text.size() < PageFiller::piecewiseFrom + extra)
        text += line;
    return text;
}

void TestPageFiller::fillsPiecewise_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("markup in short lines") << pageOf(u"<TR><TD align='center'>日本語</TD></TR>\n"_s);
    QTest::addRow("astral characters and no final line end") << pageOf(u"😀a😀😀\n😀"_s);
    QTest::addRow("paragraph separators and blank lines") << pageOf(u"a\u2029\n\n<P>b</P>\n"_s);
    QTest::addRow("lines longer than a piece: never cut within a line")
        << u"<P>\n"_s + pageOf(u"<a href='#'>リンク</a> "_s.repeated(50'000) + u'\n');
}

// The page shows at once, is read-only while the rest goes in, and ends as
// the text given: no undo step, no unsaved change, the fingerprint of it all.
void TestPageFiller::fillsPiecewise()
{
    QFETCH(QString, text);

    SourceEditor editor;
    QString given = text;
    PageFiller *filler = setEditorText(&editor, std::move(given));
    QVERIFY(filler);
    QCOMPARE(pageFiller(&editor), filler);
    QSignalSpy filled(filler, &PageFiller::filled);
    QSignalSpy progressed(filler, &PageFiller::progressed);
    QVERIFY(editor.isReadOnly());
    QVERIFY(!editor.document()->isEmpty());
    QVERIFY(editor.document()->characterCount() - 1 < text.size());
    QCOMPARE(editor.textCursor().position(), 0);

    // Every piece ends a line: the document never holds a line cut short.
    int cutLines = 0;
    connect(filler, &PageFiller::progressed, &editor, [&](qsizetype done, qsizetype total) {
        if (done < total && !editor.document()->lastBlock().text().isEmpty())
            ++cutLines;
    });
    QVERIFY(filled.wait(60'000));
    QVERIFY(!progressed.isEmpty());
    QCOMPARE(cutLines, 0);
    QCOMPARE(progressed.last().at(0).value<qsizetype>(), text.size());
    QCOMPARE(filled.first().at(0).value<TextFingerprint>(), fingerprintOf(text));
    QVERIFY(!pageFiller(&editor));
    QVERIFY(!editor.isReadOnly());
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());
    QVERIFY(editor.document()->isUndoRedoEnabled());
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), QString(text).replace(QChar(0x2029), u'\n'));
}

// Saving, or anything else that needs the whole text, does not get half a page.
void TestPageFiller::completesForWhoeverReadsTheText()
{
    const QString text = pageOf(u"<P>本文</P>\n"_s);
    SourceEditor editor;
    QPointer<PageFiller> filler = setEditorText(&editor, QString(text));
    QVERIFY(filler);
    QSignalSpy filled(filler, &PageFiller::filled);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
    QCOMPARE(filled.size(), 1);
    QVERIFY(!editor.isReadOnly());
    QVERIFY(!pageFiller(&editor));

    // Typing works on the page as a whole and undoes to it.
    QTest::keyClick(&editor, Qt::Key_A);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), u'a' + text);
    editor.undo();
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
}

void TestPageFiller::anotherPageReplacesOneGoingIn()
{
    SourceEditor editor;
    QPointer<PageFiller> first = setEditorText(&editor, pageOf(u"<P>一つ目</P>\n"_s));
    QVERIFY(first);
    QSignalSpy firstFilled(first, &PageFiller::filled);
    const QString second = pageOf(u"<P>二つ目</P>\n"_s);
    PageFiller *next = setEditorText(&editor, QString(second));
    QVERIFY(next);
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), second);
    QVERIFY(firstFilled.isEmpty());
    QTRY_VERIFY(!first);

    // A small page after a large one goes in at once, and writable.
    QVERIFY(!setEditorText(&editor, u"<P>小さいページ</P>"_s));
    QVERIFY(!editor.isReadOnly());
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), u"<P>小さいページ</P>"_s);
}

// A page brought back from recovery is marked unsaved as it starts going in:
// the pieces after it must not make it look saved.
void TestPageFiller::restoredPageStaysUnsaved()
{
    SourceEditor editor;
    PageFiller *filler = setEditorText(&editor, pageOf(u"<P>復元</P>\n"_s));
    QVERIFY(filler);
    QSignalSpy filled(filler, &PageFiller::filled);
    editor.document()->setModified(true);
    QVERIFY(filled.wait(60'000));
    QVERIFY(editor.document()->isModified());
}

void TestPageFiller::editorClosedWhileFilling()
{
    auto *editor = new SourceEditor;
    editor->show();
    QPointer<PageFiller> filler = setEditorText(editor, pageOf(u"<P>段落</P>\n"_s));
    QVERIFY(filler);
    delete editor;
    QVERIFY(!filler);
}

void TestPageFiller::smallPageGoesInAtOnce()
{
    SourceEditor editor;
    editor.setReadOnly(true);
    const QString text = u"<HTML>\n<BODY>本文</BODY>\n</HTML>"_s;
    QVERIFY(!setEditorText(&editor, QString(text)));
    QCOMPARE(PageText(&editor, PageText::Form::Editor).all(), text);
    QVERIFY(editor.isReadOnly());
    QCOMPARE(editor.blockCount(), 3);

    // A page that is one long line goes in at once too: in pieces, the
    // editor would lay the line out again for each.
    SourceEditor other;
    const QString oneLine = u"<b>一行</b>"_s.repeated(PageFiller::piecewiseFrom / 8);
    QVERIFY(!setEditorText(&other, QString(oneLine)));
    QCOMPARE(other.blockCount(), 1);
    QVERIFY(!other.isReadOnly());
}

QTEST_MAIN(TestPageFiller)
#include "tst_pagefiller.moc"
