// SPDX-License-Identifier: GPL-3.0-or-later
// The editor pane: markup enters through the selection, alignment stays out of the text.
#include "editor/sourceeditor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace Qt::StringLiterals;

class TestSourceEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void selText_data();
    void selText();
    void selTextIsOneUndoStep();
    void alignment_data();
    void alignment();
    void alignmentIsNotAnEdit();
    void alignmentIsDrawn_data();
    void alignmentIsDrawn();
    void contextMenuCopiesOnCtrlInsert();

private:
    void select(int anchor, int position)
    {
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        m_editor->setTextCursor(cursor);
    }
    QList<int> alignments() const
    {
        QList<int> values;
        for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next()) {
            const Qt::Alignment alignment = block.blockFormat().alignment();
            values << (alignment & Qt::AlignRight ? 1 : alignment & Qt::AlignHCenter ? 2 : 0);
        }
        return values;
    }

    SourceEditor *m_editor = nullptr;
};

void TestSourceEditor::init()
{
    m_editor = new SourceEditor;
    m_editor->resize(400, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
}

void TestSourceEditor::cleanup()
{
    delete m_editor;
    m_editor = nullptr;
}

void TestSourceEditor::selText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::addRow("at the caret, nothing selected") << u"abcd"_s << 2 << 2 << u"<BR>"_s << u"ab<BR>cd"_s << 6;
    QTest::addRow("replaces a forward selection") << u"abcd"_s << 1 << 3 << u"<B></B>"_s << u"a<B></B>d"_s << 8;
    QTest::addRow("replaces a backward selection") << u"abcd"_s << 3 << 1 << u"<B></B>"_s << u"a<B></B>d"_s << 8;
    QTest::addRow("empty text deletes the selection") << u"abcd"_s << 1 << 3 << QString() << u"ad"_s << 1;
    QTest::addRow("empty text without selection changes nothing") << u"abcd"_s << 2 << 2 << QString() << u"abcd"_s << 2;
    QTest::addRow("CR LF becomes a line break") << u"ab"_s << 1 << 1 << u"x\r\ny\r\nz"_s << u"ax\ny\nzb"_s << 6;
    QTest::addRow("at the end of the document") << u"ab"_s << 2 << 2 << u"<HR align=''>"_s << u"ab<HR align=''>"_s << 15;
    QTest::addRow("across lines") << u"one\ntwo\nthree"_s << 2 << 9 << u"-"_s << u"on-hree"_s << 3;
}

void TestSourceEditor::selText()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, inserted);
    QFETCH(QString, expected);
    QFETCH(int, caret);

    m_editor->setPlainText(text);
    select(anchor, position);
    m_editor->setSelText(inserted);
    QCOMPARE(m_editor->toPlainText(), expected);
    QCOMPARE(m_editor->textCursor().position(), caret);
    QVERIFY(!m_editor->textCursor().hasSelection());
}

void TestSourceEditor::selTextIsOneUndoStep()
{
    m_editor->setPlainText(u"abcd"_s);
    select(1, 3);
    m_editor->setSelText(u"<A href=''></A>\r\nx"_s);
    m_editor->undo();
    QCOMPARE(m_editor->toPlainText(), u"abcd"_s);
}

void TestSourceEditor::alignment_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QList<int>>("expected");

    // Lines: "first" 0-5, "second" 6-12, "third" 13-18; "second" starts centred.
    QTest::addRow("centre the paragraph at the caret") << 8 << 8 << 2 << QList<int>{0, 2, 0};
    QTest::addRow("right-align every paragraph the selection touches") << 3 << 14 << 1 << QList<int>{1, 1, 1};
    QTest::addRow("a selection ending at a line start touches that line") << 0 << 6 << 2 << QList<int>{2, 2, 0};
    QTest::addRow("left after centre") << 8 << 8 << 0 << QList<int>{0, 0, 0};
    QTest::addRow("a selection inside one line") << 1 << 3 << 1 << QList<int>{1, 2, 0};
}

void TestSourceEditor::alignment()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(int, alignment);
    QFETCH(QList<int>, expected);

    m_editor->setPlainText(u"first\nsecond\nthird"_s);
    select(8, 8);
    m_editor->setSelAlignment(SourceEditor::AlignCenter);
    select(anchor, position);
    m_editor->setSelAlignment(alignment);
    QCOMPARE(alignments(), expected);
    QCOMPARE(m_editor->selAlignment(), alignment);
    QCOMPARE(m_editor->toPlainText(), u"first\nsecond\nthird"_s);
}

void TestSourceEditor::alignmentIsNotAnEdit()
{
    m_editor->setPlainText(u"first\nsecond"_s);
    m_editor->document()->setModified(false);
    m_editor->setSelAlignment(SourceEditor::AlignCenter);
    QVERIFY(!m_editor->document()->isModified());
    QCOMPARE(m_editor->toPlainText(), u"first\nsecond"_s);

    QTest::keyClicks(m_editor, u"x"_s);
    QVERIFY(m_editor->document()->isModified());
    m_editor->setSelAlignment(SourceEditor::AlignRight);
    QVERIFY(m_editor->document()->isModified());
}

void TestSourceEditor::alignmentIsDrawn_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("fromLeft"); // where the line's first character stands, as a share of the width

    QTest::addRow("first line, left") << 0 << 0 << 0.0;
    QTest::addRow("first line, centre") << 0 << 2 << 0.45;
    QTest::addRow("first line, right") << 0 << 1 << 0.9;
    QTest::addRow("middle line, centre") << 1 << 2 << 0.45;
    QTest::addRow("last line, right") << 2 << 1 << 0.9;
    QTest::addRow("last line, centre") << 2 << 2 << 0.45;
}

void TestSourceEditor::alignmentIsDrawn()
{
    QFETCH(int, line);
    QFETCH(int, alignment);
    QFETCH(double, fromLeft);

    m_editor->setPlainText(u"x\ny\nz"_s);
    m_editor->grab(); // the lines are laid out and drawn before the alignment changes
    const QTextBlock block = m_editor->document()->findBlockByNumber(line);
    select(block.position(), block.position());
    m_editor->setSelAlignment(alignment);
    m_editor->grab();
    const int width = m_editor->viewport()->width();
    const QRect caret = m_editor->cursorRect();
    QVERIFY2(caret.x() >= fromLeft * width - 10 && caret.x() <= fromLeft * width + 0.1 * width,
             qPrintable(u"caret at %1 of %2"_s.arg(caret.x()).arg(width)));

    // A click where the character is drawn lands on it.
    const QTextCursor hit = m_editor->cursorForPosition(caret.center() + QPoint(2, 0));
    QCOMPARE(hit.blockNumber(), line);

    // The other lines keep the left edge.
    for (int other = 0; other < 3; ++other) {
        if (other == line)
            continue;
        select(m_editor->document()->findBlockByNumber(other).position(), m_editor->document()->findBlockByNumber(other).position());
        QVERIFY2(m_editor->cursorRect().x() < 0.1 * width, qPrintable(u"line %1"_s.arg(other)));
    }
}

void TestSourceEditor::contextMenuCopiesOnCtrlInsert()
{
    m_editor->setPlainText(u"copy me"_s);
    select(0, 4);
    std::unique_ptr<QMenu> menu(m_editor->createContextMenu(QPoint(1, 1)));
    QAction *copy = menu->findChild<QAction *>(u"edit-copy"_s);
    QVERIFY(copy);
    const QString shortcut = copy->text().section(u'\t', 1);
    QCOMPARE(QKeySequence(shortcut, QKeySequence::NativeText), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"copy"_s);
}

QTEST_MAIN(TestSourceEditor)
#include "tst_sourceeditor.moc"
