// SPDX-License-Identifier: GPL-3.0-or-later
// The completion list under the caret: what opens it, how keys work it, and
// what taking an offer writes and where the caret lands.
#include "editor/completionpopup.h"
#include "editor/sourceeditor.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestCompletionPopup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void keys_data();
    void keys();
    void typingNarrowsAndClosesWhenNothingFits();
    void aCaretMoveOrAClickClosesIt();
    void nothingToOfferSaysSoAndOpensNothing();
    void opensWhileTypingOnlyWhenChosen();

private:
    // "|" marks the caret.
    void setText(const QString &marked)
    {
        const qsizetype caret = marked.indexOf(u'|');
        m_editor->setPlainText(QString(marked).remove(u'|'));
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(int(caret));
        m_editor->setTextCursor(cursor);
    }
    QString textWithCaret() const
    {
        QString text = m_editor->toPlainText();
        return text.insert(m_editor->textCursor().position(), u'|');
    }
    QStringList rows() const
    {
        QStringList labels;
        for (int row = 0; row < m_popup->list()->count(); ++row)
            labels << m_popup->list()->item(row)->text();
        return labels;
    }

    SourceEditor *m_editor = nullptr;
    CompletionPopup *m_popup = nullptr;
};

void TestCompletionPopup::init()
{
    m_editor = new SourceEditor;
    m_popup = new CompletionPopup(m_editor);
    m_editor->resize(400, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowActive(m_editor));
}

void TestCompletionPopup::cleanup()
{
    delete m_editor;
    m_editor = nullptr;
}

void TestCompletionPopup::keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("expected");

    QTest::addRow("Enter takes the first offer")
        << u"<p>&cop|</p>"_s << QList<int>{Qt::Key_Return} << u"<p>&copy;|</p>"_s;
    QTest::addRow("Tab takes it too") << u"<p>&cop|</p>"_s << QList<int>{Qt::Key_Tab} << u"<p>&copy;|</p>"_s;
    QTest::addRow("Down then Enter takes the second")
        << u"&rar|"_s << QList<int>{Qt::Key_Down, Qt::Key_Return} << u"&rarrap;|"_s;
    QTest::addRow("Up from the first wraps to the last")
        << u"&rar|"_s << QList<int>{Qt::Key_Up, Qt::Key_Return} << u"&rarrw;|"_s;
    QTest::addRow("Escape closes and writes nothing")
        << u"&cop|"_s << QList<int>{Qt::Key_Escape, Qt::Key_Return} << u"&cop\n|"_s;
    QTest::addRow("the word after the caret is replaced, its ';' kept once")
        << u"&co|py; x"_s << QList<int>{Qt::Key_Return} << u"&copy;| x"_s;
    QTest::addRow("the open element is offered after </")
        << u"<ul><li>a</li></|"_s << QList<int>{Qt::Key_Return} << u"<ul><li>a</li></ul>|"_s;
    QTest::addRow("a capital end tag goes on in capitals")
        << u"<TABLE><TR></T|"_s << QList<int>{Qt::Key_Return} << u"<TABLE><TR></TR>|"_s;
}

void TestCompletionPopup::keys()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    QFETCH(QString, expected);

    setText(text);
    m_popup->open();
    QVERIFY(m_popup->isOpen());
    for (int key : keys)
        QTest::keyClick(m_editor, Qt::Key(key));
    QCOMPARE(textWithCaret(), expected);
    QVERIFY(!m_popup->isOpen());
}

void TestCompletionPopup::typingNarrowsAndClosesWhenNothingFits()
{
    setText(u"&c|"_s);
    m_popup->open();
    QVERIFY(rows().size() > 10);
    QCOMPARE(rows().first(), u"&copy;"_s);
    QTest::keyClicks(m_editor, u"irclea"_s);
    QVERIFY(m_popup->isOpen());
    QCOMPARE(rows(), (QStringList{u"&circlearrowleft;"_s, u"&circlearrowright;"_s}));
    QTest::keyClick(m_editor, Qt::Key_Z);
    QVERIFY(!m_popup->isOpen());
}

void TestCompletionPopup::aCaretMoveOrAClickClosesIt()
{
    setText(u"<p>&co|</p>"_s);
    m_popup->open();
    QVERIFY(m_popup->isOpen());
    QTest::keyClick(m_editor, Qt::Key_Right);
    QTest::keyClick(m_editor, Qt::Key_Right);
    QVERIFY(!m_popup->isOpen());

    setText(u"<p>&co|</p>"_s);
    m_popup->open();
    QVERIFY(m_popup->isOpen());
    QTest::mouseClick(m_editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_popup->isOpen());
}

void TestCompletionPopup::nothingToOfferSaysSoAndOpensNothing()
{
    QSignalSpy notes(m_popup, &CompletionPopup::noteChanged);
    setText(u"plain text|"_s);
    m_popup->open();
    QVERIFY(!m_popup->isOpen());
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes.first().first().toString(), u"ここで出せる候補はありません"_s);
    QCOMPARE(textWithCaret(), u"plain text|"_s);
}

void TestCompletionPopup::opensWhileTypingOnlyWhenChosen()
{
    setText(u"<p>|"_s);
    QTest::keyClicks(m_editor, u"&co"_s);
    QVERIFY(!m_popup->isOpen());

    m_popup->setOpensWhileTyping(true);
    setText(u"<p>|"_s);
    QTest::keyClick(m_editor, Qt::Key_Ampersand, Qt::NoModifier);
    QVERIFY(m_popup->isOpen());
    QTest::keyClicks(m_editor, u"co"_s);
    QVERIFY(m_popup->isOpen());
    QCOMPARE(rows().first(), u"&copy;"_s);
    QTest::keyClick(m_editor, Qt::Key_Escape);
    QVERIFY(!m_popup->isOpen());
    // Letters after Escape do not bring it back.
    QTest::keyClicks(m_editor, u"p"_s);
    QVERIFY(!m_popup->isOpen());
}

QTEST_MAIN(TestCompletionPopup)
#include "tst_completionpopup.moc"
