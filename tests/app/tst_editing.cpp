// SPDX-License-Identifier: GPL-3.0-or-later
// The editing comforts on the real window: the Edit menu, saving in place,
// the key sets, find and replace, line numbers and the caret's place,
// colouring and the closing-tag offer. Each starts as designed until chosen.
#include "filebytes.h"
#include "app/mainwindow.h"
#include "core/settings/settingkeys.h"
#include "document/documentfiles.h"
#include "editor/finddialog.h"
#include "editor/sourceeditor.h"
#include "window/commondialog.h"
#include "window/settingsdialog.h"
#include "controls.h"
#include "scripteddialogs.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class Fixture : public MainWindow
{
public:
    Fixture()
        : editor(source())
    {
        commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&dialogs));
        documentFiles()->setBackend(std::make_unique<ScriptedPrompts>(&prompts));
    }

    QAction *action(const QString &name) const { return control<QAction>(this, name); }
    void trigger(const QString &name)
    {
        QAction *item = action(name);
        QVERIFY2(item->isEnabled(), qPrintable(name + u" is disabled"_s));
        item->trigger();
    }

    SourceEditor *editor;
    DialogScript dialogs;
    PromptScript prompts;
};

int alignmentOf(SourceEditor *editor, int blockNumber)
{
    const QTextCursor saved = editor->textCursor();
    editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(blockNumber)));
    const int alignment = editor->selAlignment();
    editor->setTextCursor(saved);
    return alignment;
}

void select(SourceEditor *editor, int from, int to)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

// The colour the block's text at `column` is drawn in; invalid for none.
QColor colourAt(const QTextBlock &block, int column)
{
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (column >= range.start && column < range.start + range.length)
            return range.format.foreground().color();
    }
    return QColor();
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartIsAsDesigned();
    void editItemsAreEnabledOnlyWhenTheyCanAct();
    void overwriteSaveWritesTheOwnFileWithoutADialog();
    void overwriteSaveOfANewPageAsksForAName();
    void overwriteSaveKeepsTheSaveGuards();

    void keySets_data();
    void keySets();
    void choosingTheStandardSetInTheSettingsAppliesAtOnce();

    void replaceAllIsOneUndoStepAndKeepsAlignment();
    void findReportsCountsAndBadPatterns();
    void goToLine();

    void caretPositionFollowsMoves_data();
    void caretPositionFollowsMoves();
    void lineNumbersTakeRoomOnlyWhenShown();

    void colouringSurvivesOpenAndNewAndKeepsAlignment();
    void colouringFollowsAStateChangeToTheLinesBelow();
    void colouringOffLeavesNoColours();

    void closingTagOffer();
    void completionOpensOnCtrlSpaceInBothKeySets_data();
    void completionOpensOnCtrlSpaceInBothKeySets();
    void completionOpensWhileTypingOnceChosenInTheSettings();

private:
    void makeWindow();
    void typeInEditor(const QString &text);

    std::unique_ptr<Fixture> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEditing::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestEditing::init()
{
    QFile::remove(openSettings()->fileName());
    m_dir = std::make_unique<QTemporaryDir>();
    QGuiApplication::clipboard()->clear();
}

void TestEditing::cleanup()
{
    if (m_window)
        m_window->editor->document()->setModified(false);
    m_window.reset();
    QFile::remove(openSettings()->fileName());
}

void TestEditing::makeWindow()
{
    m_window = std::make_unique<Fixture>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->editor->setFocus();
    QTRY_VERIFY(m_window->editor->hasFocus());
}

void TestEditing::typeInEditor(const QString &text)
{
    QTest::keyClicks(m_window->editor, text);
}

void TestEditing::firstStartIsAsDesigned()
{
    makeWindow();
    // Designed keys, nothing added to the designed items.
    QCOMPARE(m_window->action(u"save"_s)->shortcut(), QKeySequence(u"Ctrl+S"_s));
    QCOMPARE(m_window->action(u"centerset"_s)->shortcut(), QKeySequence(u"Ctrl+C"_s));
    QCOMPARE(m_window->action(u"FontNameset"_s)->shortcut(), QKeySequence(u"Ctrl+F"_s));
    QCOMPARE(m_window->action(u"GetColors"_s)->shortcut(), QKeySequence(u"Ctrl+G"_s));
    for (const QString &name : {u"overwriteSave"_s, u"editCopy"_s, u"editFind"_s, u"editGotoLine"_s})
        QVERIFY2(m_window->action(name)->shortcut().isEmpty(), qPrintable(name));
    // The page looks as designed: no colours, no gutter.
    QVERIFY(!m_window->action(u"syntaxColoring"_s)->isChecked());
    QVERIFY(!m_window->action(u"lineNumbers"_s)->isChecked());
    QCOMPARE(m_window->editor->viewport()->geometry().left(), m_window->editor->contentsRect().left());
    typeInEditor(u"<TABLE>"_s);
    m_window->editor->viewport()->repaint();
    QVERIFY(m_window->editor->document()->firstBlock().layout()->formats().isEmpty());
    // The Edit menu stands between File and View.
    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions())
        menus << menu->objectName();
    QCOMPARE(menus.mid(0, 3), (QStringList{u"file"_s, u"mnuEdit"_s, u"view"_s}));
}

void TestEditing::editItemsAreEnabledOnlyWhenTheyCanAct()
{
    makeWindow();
    // A new page has nothing to undo (the start-up alignment of the designed
    // window is an undo step of its own).
    m_window->trigger(u"new"_s);
    for (const QString &name : {u"editUndo"_s, u"editRedo"_s, u"editCut"_s, u"editCopy"_s, u"editSelectAll"_s})
        QVERIFY2(!m_window->action(name)->isEnabled(), qPrintable(name + u" enabled on an empty page"_s));
    typeInEditor(u"abc"_s);
    QVERIFY(m_window->action(u"editUndo"_s)->isEnabled());
    QVERIFY(m_window->action(u"editSelectAll"_s)->isEnabled());
    QVERIFY(!m_window->action(u"editCopy"_s)->isEnabled());

    m_window->trigger(u"editSelectAll"_s);
    QVERIFY(m_window->action(u"editCopy"_s)->isEnabled());
    m_window->trigger(u"editCut"_s);
    QCOMPARE(m_window->editor->toPlainText(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"abc"_s);
    QVERIFY(m_window->action(u"editPaste"_s)->isEnabled());
    m_window->trigger(u"editPaste"_s);
    m_window->trigger(u"editPaste"_s);
    QCOMPARE(m_window->editor->toPlainText(), u"abcabc"_s);
    m_window->trigger(u"editUndo"_s);
    QCOMPARE(m_window->editor->toPlainText(), u"abc"_s);
    QVERIFY(m_window->action(u"editRedo"_s)->isEnabled());
    m_window->trigger(u"editRedo"_s);
    QCOMPARE(m_window->editor->toPlainText(), u"abcabc"_s);
}

void TestEditing::overwriteSaveWritesTheOwnFileWithoutADialog()
{
    const QString path = m_dir->filePath(u"page.html"_s);
    writeBytes(path, "<P>old</P>\r\n");
    makeWindow();
    QVERIFY(m_window->documentFiles()->openPath(path));
    QTextCursor end(m_window->editor->document());
    end.movePosition(QTextCursor::End);
    m_window->editor->setTextCursor(end);
    typeInEditor(u"<P>new</P>"_s);

    m_window->trigger(u"overwriteSave"_s);

    QVERIFY(m_window->dialogs.offeredSave.isEmpty());
    // The page's own encoding and line ends, as the Save command writes them.
    QCOMPARE(readBytes(path), QByteArray("<P>old</P>\r\n<P>new</P>"));
    QVERIFY(!m_window->editor->document()->isModified());
}

void TestEditing::overwriteSaveOfANewPageAsksForAName()
{
    makeWindow();
    typeInEditor(u"<P>"_s);
    const QString path = m_dir->filePath(u"named.html"_s);
    m_window->dialogs.saves << path;

    m_window->trigger(u"overwriteSave"_s);

    QCOMPARE(m_window->dialogs.offeredSave.size(), 1);
    QCOMPARE(readBytes(path), QByteArray("<P>"));
    // From then on the page has a file of its own.
    typeInEditor(u"x"_s);
    m_window->trigger(u"overwriteSave"_s);
    QCOMPARE(m_window->dialogs.offeredSave.size(), 1);
    QCOMPARE(readBytes(path), QByteArray("<P>x"));
}

// Saving in place asks what Save asks: before writing over a file another
// program changed, and before writing characters the page's encoding lacks.
void TestEditing::overwriteSaveKeepsTheSaveGuards()
{
    const QString path = m_dir->filePath(u"guarded.html"_s);
    writeBytes(path, "<P>old</P>");
    makeWindow();
    QVERIFY(m_window->documentFiles()->openPath(path));
    typeInEditor(u"x"_s);
    writeBytes(path, "<P>changed elsewhere, and longer</P>");

    m_window->trigger(u"overwriteSave"_s);
    QCOMPARE(m_window->prompts.overwriteQuestions.size(), 1);
    QCOMPARE(readBytes(path), QByteArray("<P>changed elsewhere, and longer</P>"));
    QVERIFY(m_window->editor->document()->isModified());

    const QString sjis = m_dir->filePath(u"sjis.html"_s);
    QFile::copy(QStringLiteral(TAGPOT_TEST_DATA "/sjis_crlf.html"), sjis);
    const QByteArray before = readBytes(sjis);
    m_window->prompts.saveAnswers << DocumentFiles::Answer::Discard;
    QVERIFY(m_window->documentFiles()->openPath(sjis));
    m_window->editor->insertPlainText(u"😀"_s);
    m_window->trigger(u"overwriteSave"_s);
    QCOMPARE(m_window->prompts.utf8Questions.size(), 1);
    QCOMPARE(readBytes(sjis), before);
    QVERIFY(m_window->dialogs.offeredSave.isEmpty());
}

void TestEditing::keySets_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");

    const int ctrl = int(Qt::ControlModifier);
    QTest::addRow("designed set: Ctrl+C centres and copies nothing") << u"designed"_s << int(Qt::Key_C) << ctrl << u"centred"_s;
    QTest::addRow("designed set: Ctrl+F opens the font dialog") << u"designed"_s << int(Qt::Key_F) << ctrl << u"font dialog"_s;
    QTest::addRow("standard set: Ctrl+C copies") << u"standard"_s << int(Qt::Key_C) << ctrl << u"copied"_s;
    QTest::addRow("standard set: Ctrl+F opens find") << u"standard"_s << int(Qt::Key_F) << ctrl << u"find"_s;
    QTest::addRow("standard set: centring moved to Ctrl+E") << u"standard"_s << int(Qt::Key_E) << ctrl << u"centred"_s;
    QTest::addRow("standard set: the font dialog moved to Ctrl+Shift+F")
        << u"standard"_s << int(Qt::Key_F) << int(Qt::ControlModifier | Qt::ShiftModifier) << u"font dialog"_s;
    QTest::addRow("standard set: Ctrl+S saves in place") << u"standard"_s << int(Qt::Key_S) << ctrl << u"saved in place"_s;
    QTest::addRow("standard set: Ctrl+Shift+S opens the Save dialog")
        << u"standard"_s << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier) << u"save dialog"_s;
}

void TestEditing::keySets()
{
    QFETCH(QString, set);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);

    Settings::keySet.setValue(set);
    const QString path = m_dir->filePath(u"keys.html"_s);
    writeBytes(path, "one\ntwo\nthree");
    makeWindow();
    QVERIFY(m_window->documentFiles()->openPath(path));
    SourceEditor *editor = m_window->editor;
    editor->setFocus();
    select(editor, 4, 6);
    typeInEditor(u"TW"_s);
    select(editor, 4, 6);
    QGuiApplication::clipboard()->setText(u"before"_s);

    QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    const bool centred = alignmentOf(editor, 1) == SourceEditor::AlignCenter;
    const bool copied = QGuiApplication::clipboard()->text() == u"TW";
    auto *find = m_window->findChild<FindDialog *>(u"findDialog"_s);
    const bool findShown = find && find->isVisible();
    QCOMPARE(centred, expected == u"centred");
    QCOMPARE(copied, expected == u"copied");
    QCOMPARE(findShown, expected == u"find");
    QCOMPARE(m_window->dialogs.offeredFonts.size(), expected == u"font dialog" ? 1 : 0);
    QCOMPARE(m_window->dialogs.offeredSave.size(), expected == u"save dialog" ? 1 : 0);
    QCOMPARE(readBytes(path), expected == u"saved in place" ? QByteArray("one\nTWo\nthree") : QByteArray("one\ntwo\nthree"));
    QCOMPARE(editor->toPlainText(), u"one\nTWo\nthree"_s);
}

void TestEditing::choosingTheStandardSetInTheSettingsAppliesAtOnce()
{
    makeWindow();
    SettingsDialog *settings = m_window->settingsDialog();
    QMetaObject::invokeMethod(
        settings,
        [settings] {
            control<QRadioButton>(settings, u"keySetStandard"_s)->setChecked(true);
            control<QPushButton>(settings, u"settingsOK"_s)->click();
        },
        Qt::QueuedConnection);
    m_window->trigger(u"preferences"_s);

    QCOMPARE(Settings::keySet.value(), u"standard"_s);
    QCOMPARE(m_window->action(u"centerset"_s)->shortcut(), QKeySequence(u"Ctrl+E"_s));
    QCOMPARE(m_window->action(u"editCopy"_s)->shortcut(), QKeySequence(u"Ctrl+C"_s));
    QCOMPARE(m_window->action(u"GetColors"_s)->shortcut(), QKeySequence(u"Ctrl+Shift+G"_s));
    // No two items share a key.
    QSet<QKeySequence> keys;
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->shortcut().isEmpty())
            continue;
        QVERIFY2(!keys.contains(action->shortcut()), qPrintable(action->shortcut().toString()));
        keys.insert(action->shortcut());
    }
}

void TestEditing::replaceAllIsOneUndoStepAndKeepsAlignment()
{
    makeWindow();
    SourceEditor *editor = m_window->editor;
    const QString original = u"<BR>a<br>\n<P>centred<BR>\n<br>\nlast"_s;
    editor->setPlainText(original);
    editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(1)));
    editor->setSelAlignment(SourceEditor::AlignCenter);
    editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(3)));
    editor->setSelAlignment(SourceEditor::AlignRight);

    m_window->trigger(u"editReplace"_s);
    auto *find = control<FindDialog>(m_window.get(), u"findDialog"_s);
    QVERIFY(find->isVisible());
    control<QLineEdit>(find, u"findText"_s)->setText(u"<br>"_s);
    control<QLineEdit>(find, u"replaceText"_s)->setText(u"<br />\n"_s);
    control<QPushButton>(find, u"replaceAllButton"_s)->click();

    QCOMPARE(editor->toPlainText(), u"<br />\na<br />\n\n<P>centred<br />\n\n<br />\n\nlast"_s);
    QCOMPARE(find->status(), u"4 件置換しました。"_s);
    // Paragraphs outside the replaced stretch keep their alignment.
    QCOMPARE(alignmentOf(editor, editor->blockCount() - 1), int(SourceEditor::AlignRight));
    QCOMPARE(alignmentOf(editor, 0), int(SourceEditor::AlignLeft));

    editor->undo();
    QCOMPARE(editor->toPlainText(), original);
    QCOMPARE(alignmentOf(editor, 1), int(SourceEditor::AlignCenter));
    QCOMPARE(alignmentOf(editor, 3), int(SourceEditor::AlignRight));
    editor->redo();
    QCOMPARE(editor->toPlainText(), u"<br />\na<br />\n\n<P>centred<br />\n\n<br />\n\nlast"_s);
}

void TestEditing::findReportsCountsAndBadPatterns()
{
    makeWindow();
    SourceEditor *editor = m_window->editor;
    editor->setPlainText(u"<TD>1</TD><td>2</td>"_s);
    m_window->trigger(u"editFind"_s);
    auto *find = control<FindDialog>(m_window.get(), u"findDialog"_s);
    QVERIFY(!control<QPushButton>(find, u"replaceAllButton"_s)->isVisible());
    control<QLineEdit>(find, u"findText"_s)->setText(u"<td>"_s);

    m_window->trigger(u"editFindNext"_s);
    QCOMPARE(editor->textCursor().selectedText(), u"<TD>"_s);
    QTRY_COMPARE(find->status(), u"2 件見つかりました。"_s);
    m_window->trigger(u"editFindNext"_s);
    QCOMPARE(editor->textCursor().selectionStart(), 10);
    m_window->trigger(u"editFindPrevious"_s);
    QCOMPARE(editor->textCursor().selectionStart(), 0);

    control<QCheckBox>(find, u"findRegularExpression"_s)->setChecked(true);
    control<QLineEdit>(find, u"findText"_s)->setText(u"<t[d>"_s);
    const QTextCursor before = editor->textCursor();
    m_window->trigger(u"editFindNext"_s);
    QVERIFY2(find->status().startsWith(u"正規表現が正しくありません"), qPrintable(find->status()));
    QCOMPARE(editor->textCursor(), before);
}

void TestEditing::goToLine()
{
    makeWindow();
    m_window->editor->setPlainText(u"a\nb\nc\nd"_s);
    QMetaObject::invokeMethod(
        m_window.get(),
        [this] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), u"gotoLineDialog"_s);
            dialog->setIntValue(3);
            dialog->accept();
        },
        Qt::QueuedConnection);
    m_window->trigger(u"editGotoLine"_s);
    QCOMPARE(m_window->editor->textCursor().blockNumber(), 2);
    QCOMPARE(control<QLabel>(m_window.get(), u"caretPosition"_s)->text(), u"3 行 : 1 桁"_s);
}

void TestEditing::caretPositionFollowsMoves_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("expected");

    QTest::addRow("at the start") << QList<int>{} << u"1 行 : 1 桁"_s;
    QTest::addRow("down a line and to its end") << QList<int>{Qt::Key_Down, Qt::Key_End} << u"2 行 : 4 桁"_s;
    QTest::addRow("past a character outside the BMP, counted once")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right} << u"3 行 : 3 桁"_s;
    QTest::addRow("to the end of the page") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_End} << u"4 行 : 3 桁"_s;
}

void TestEditing::caretPositionFollowsMoves()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, expected);
    makeWindow();
    m_window->editor->setPlainText(u"<P>\n本日は\n𠮷野家\nab"_s);
    m_window->editor->setTextCursor(QTextCursor(m_window->editor->document()));
    for (int key : keys)
        QTest::keyClick(m_window->editor, Qt::Key(key));
    QCOMPARE(control<QLabel>(m_window.get(), u"caretPosition"_s)->text(), expected);
}

void TestEditing::lineNumbersTakeRoomOnlyWhenShown()
{
    makeWindow();
    SourceEditor *editor = m_window->editor;
    auto *gutter = control<QWidget>(editor, u"lineNumberGutter"_s);
    const int textLeft = editor->viewport()->geometry().left();
    QVERIFY(!gutter->isVisible());

    m_window->trigger(u"lineNumbers"_s);
    QVERIFY(gutter->isVisible());
    QCOMPARE(editor->viewport()->geometry().left(), textLeft + gutter->width());
    QVERIFY(Settings::lineNumbers.value());

    m_window->trigger(u"lineNumbers"_s);
    QVERIFY(!gutter->isVisible());
    QCOMPARE(editor->viewport()->geometry().left(), textLeft);
    QVERIFY(!Settings::lineNumbers.value());
}

void TestEditing::colouringSurvivesOpenAndNewAndKeepsAlignment()
{
    const QString path = m_dir->filePath(u"coloured.html"_s);
    writeBytes(path, "<TABLE width='80%'>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>\r\n");
    makeWindow();
    m_window->trigger(u"syntaxColoring"_s);
    QVERIFY(Settings::syntaxColoring.value());
    SourceEditor *editor = m_window->editor;

    m_window->dialogs.opens << path;
    m_window->trigger(u"open"_s);
    QCOMPARE(editor->toPlainText(), u"<TABLE width='80%'>\n<TR><TD>a</TD></TR>\n</TABLE>\n"_s);
    editor->viewport()->repaint();
    const QTextBlock first = editor->document()->firstBlock();
    const QColor tag = colourAt(first, 1);
    const QColor value = colourAt(first, 14);
    QVERIFY(tag.isValid());
    QVERIFY(value.isValid());
    QVERIFY(tag != value);
    QVERIFY(!colourAt(first.next(), 8).isValid()); // "a", text
    // Colouring is no edit.
    QVERIFY(!editor->document()->isModified());
    QVERIFY(!editor->document()->isUndoAvailable());

    // Centred with colouring on, the line is drawn centred and coloured.
    editor->setTextCursor(QTextCursor(first.next()));
    m_window->trigger(u"centerset"_s);
    editor->viewport()->repaint();
    QCOMPARE(first.next().layout()->textOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(colourAt(first.next(), 1), tag);
    QVERIFY(first.next().layout()->lineAt(0).x() > 0);

    m_window->trigger(u"new"_s);
    typeInEditor(u"<P class=\"x\">"_s);
    editor->viewport()->repaint();
    QCOMPARE(colourAt(editor->document()->firstBlock(), 0), tag);
    QCOMPARE(colourAt(editor->document()->firstBlock(), 9), value);
}

void TestEditing::colouringFollowsAStateChangeToTheLinesBelow()
{
    Settings::syntaxColoring.setValue(true);
    makeWindow();
    SourceEditor *editor = m_window->editor;
    editor->setPlainText(u"one\n<P>two</P>\n-->three"_s);
    editor->viewport()->repaint();
    const QColor tag = colourAt(editor->document()->findBlockByNumber(1), 0);
    QVERIFY(tag.isValid());

    editor->setTextCursor(QTextCursor(editor->document()));
    typeInEditor(u"<!--"_s);
    editor->viewport()->repaint();
    const QColor comment = colourAt(editor->document()->firstBlock(), 0);
    QVERIFY(comment.isValid());
    QVERIFY(comment != tag);
    QCOMPARE(colourAt(editor->document()->findBlockByNumber(1), 0), comment);
    QCOMPARE(colourAt(editor->document()->findBlockByNumber(2), 7), QColor()); // "three", after the comment

    // Undone, the tags are tags again.
    editor->undo();
    editor->viewport()->repaint();
    QCOMPARE(colourAt(editor->document()->findBlockByNumber(1), 0), tag);
}

void TestEditing::colouringOffLeavesNoColours()
{
    Settings::syntaxColoring.setValue(true);
    makeWindow();
    SourceEditor *editor = m_window->editor;
    QVERIFY(m_window->action(u"syntaxColoring"_s)->isChecked());
    editor->setPlainText(u"<P>a</P>\n<B>b</B>"_s);
    editor->viewport()->repaint();
    QVERIFY(!editor->document()->lastBlock().layout()->formats().isEmpty());

    m_window->trigger(u"syntaxColoring"_s);
    editor->viewport()->repaint();
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.layout()->formats().isEmpty());
    QVERIFY(!Settings::syntaxColoring.value());
}

void TestEditing::closingTagOffer()
{
    makeWindow();
    SourceEditor *editor = m_window->editor;
    auto *offer = control<QLabel>(editor, u"closingTagOffer"_s);

    // Off as designed: "</" is just typed.
    typeInEditor(u"<TABLE><TR></"_s);
    QVERIFY(!offer->isVisible());
    editor->clear();

    Settings::closingTags.setValue(true);
    m_window.reset();
    makeWindow();
    editor = m_window->editor;
    offer = control<QLabel>(editor, u"closingTagOffer"_s);

    typeInEditor(u"<TABLE><TR><BR></"_s);
    QVERIFY(offer->isVisible());
    QVERIFY2(offer->text().startsWith(u"</TR>"), qPrintable(offer->text()));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!offer->isVisible());
    QCOMPARE(editor->toPlainText(), u"<TABLE><TR><BR></"_s);

    // Any other key goes on as typed.
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeInEditor(u"/t"_s);
    QVERIFY(!offer->isVisible());
    QCOMPARE(editor->toPlainText(), u"<TABLE><TR><BR></t"_s);

    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeInEditor(u"/"_s);
    QVERIFY(offer->isVisible());
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!offer->isVisible());
    QCOMPARE(editor->toPlainText(), u"<TABLE><TR><BR></TR>"_s);
    typeInEditor(u"</"_s);
    QVERIFY2(offer->text().startsWith(u"</TABLE>"), qPrintable(offer->text()));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(editor->toPlainText(), u"<TABLE><TR><BR></TR></TABLE>"_s);
    // Nothing left open: nothing offered.
    typeInEditor(u"</"_s);
    QVERIFY(!offer->isVisible());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"

void TestEditing::completionOpensOnCtrlSpaceInBothKeySets_data()
{
    QTest::addColumn<QString>("set");
    QTest::addRow("designed keys") << u"designed"_s;
    QTest::addRow("standard keys") << u"standard"_s;
}

void TestEditing::completionOpensOnCtrlSpaceInBothKeySets()
{
    QFETCH(QString, set);
    Settings::keySet.setValue(set);
    makeWindow();
    auto *list = control<QListWidget>(m_window->editor, u"completionList"_s);
    QCOMPARE(m_window->action(u"complete"_s)->shortcut(), QKeySequence(u"Ctrl+Space"_s));

    typeInEditor(u"<ul><li>a</li></"_s);
    QVERIFY(!list->isVisible());
    QTest::keyClick(m_window->editor, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentItem()->text(), u"</ul>"_s);
    QTest::keyClick(m_window->editor, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(m_window->editor->toPlainText(), u"<ul><li>a</li></ul>"_s);
}

void TestEditing::completionOpensWhileTypingOnceChosenInTheSettings()
{
    makeWindow();
    auto *list = control<QListWidget>(m_window->editor, u"completionList"_s);
    typeInEditor(u"<p>&co"_s);
    QVERIFY(!list->isVisible());

    SettingsDialog *settings = m_window->settingsDialog();
    QMetaObject::invokeMethod(
        settings,
        [settings] {
            control<QCheckBox>(settings, u"completeWhileTyping"_s)->setChecked(true);
            control<QPushButton>(settings, u"settingsOK"_s)->click();
        },
        Qt::QueuedConnection);
    m_window->trigger(u"preferences"_s);
    QVERIFY(Settings::completeWhileTyping.value());

    m_window->editor->setFocus();
    typeInEditor(u" &co"_s);
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentItem()->text(), u"&copy;"_s);
}
