// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/combobox.h"
#include "window/commondialog.h"
#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace Qt::StringLiterals;

// The main window with scripted dialogs.
class Fixture : public MainWindow
{
public:
    Fixture()
        : editor(source())
        , combo(findChild<ComboBox *>(u"kind"_s))
    {
        commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&dialogs));
    }

    QAction *action(const QString &name) const { return findChild<QAction *>(name); }

    SourceEditor *editor;
    ComboBox *combo;
    DialogScript dialogs;
};

class TestMenuShortcuts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void alignmentKeysReachTheMenu_data();
    void alignmentKeysReachTheMenu();
    void fontKeysReachTheMenu_data();
    void fontKeysReachTheMenu();
    void copyKeysWithoutAMenuItemStillCopy_data();
    void copyKeysWithoutAMenuItemStillCopy();

private:
    // "one\ntwo\nthree" with "tw" selected, the editor focused, the window active.
    void prepareEditor();

    std::unique_ptr<Fixture> m_window;
};

void TestMenuShortcuts::init()
{
    useFreshSettings();
    m_window = std::make_unique<Fixture>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMenuShortcuts::cleanup()
{
    m_window.reset();
}

void TestMenuShortcuts::prepareEditor()
{
    SourceEditor *source = m_window->editor;
    source->setPlainText(u"one\ntwo\nthree"_s);
    QTextCursor cursor(source->document());
    cursor.setPosition(4);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    source->document()->setModified(false);
    source->setFocus();
    QTRY_VERIFY(source->hasFocus());
}

static int alignmentOfBlock(SourceEditor *source, int blockNumber)
{
    const QTextCursor saved = source->textCursor();
    source->setTextCursor(QTextCursor(source->document()->findBlockByNumber(blockNumber)));
    const int alignment = source->selAlignment();
    source->setTextCursor(saved);
    return alignment;
}

void TestMenuShortcuts::alignmentKeysReachTheMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("typingInCombo");

    QTest::addRow("Ctrl+C centres the paragraph instead of copying") << int(Qt::Key_C) << 0 << 2 << false;
    QTest::addRow("Ctrl+L left-aligns a centred paragraph") << int(Qt::Key_L) << 2 << 0 << false;
    QTest::addRow("Ctrl+R right-aligns the paragraph") << int(Qt::Key_R) << 0 << 1 << false;
    QTest::addRow("Ctrl+C centres while an editable combo has the focus") << int(Qt::Key_C) << 0 << 2 << true;
}

void TestMenuShortcuts::alignmentKeysReachTheMenu()
{
    QFETCH(int, key);
    QFETCH(int, start);
    QFETCH(int, expected);
    QFETCH(bool, typingInCombo);

    prepareEditor();
    SourceEditor *source = m_window->editor;
    source->setSelAlignment(start);
    QGuiApplication::clipboard()->setText(u"on the clipboard before"_s);
    QWidget *target = source;
    if (typingInCombo) {
        m_window->combo->setEditText(u"typed"_s);
        m_window->combo->lineEdit()->selectAll();
        m_window->combo->setFocus();
        QTRY_VERIFY(m_window->combo->hasFocus());
        target = m_window->combo;
    }

    QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(alignmentOfBlock(source, 1), expected);
    QCOMPARE(alignmentOfBlock(source, 0), 0);
    QCOMPARE(alignmentOfBlock(source, 2), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"on the clipboard before"_s);
    // Nothing of the alignment is in the text a save writes.
    QCOMPARE(source->toPlainText(), u"one\ntwo\nthree"_s);
    QVERIFY(!source->document()->isModified());
    if (typingInCombo)
        QCOMPARE(m_window->combo->currentText(), u"typed"_s);
}

void TestMenuShortcuts::fontKeysReachTheMenu_data()
{
    QTest::addColumn<int>("key");

    QTest::addRow("Ctrl+F opens the font dialog") << int(Qt::Key_F);
    QTest::addRow("Ctrl+P opens the font dialog") << int(Qt::Key_P);
}

void TestMenuShortcuts::fontKeysReachTheMenu()
{
    QFETCH(int, key);

    prepareEditor();
    m_window->dialogs.fonts << CommonDialog::Font{u"IPAGothic"_s, 12};

    QTest::keyClick(m_window->editor, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(m_window->dialogs.offeredFonts.size(), 1);
    QCOMPARE(m_window->action(u"FontNameset"_s)->text(), u"フォント(F):IPAGothic"_s);
    QCOMPARE(m_window->action(u"FontSizeset"_s)->text(), u"フォントサイズ(P)：12"_s);
    QCOMPARE(m_window->editor->font().pointSize(), 12);
    QCOMPARE(m_window->editor->toPlainText(), u"one\ntwo\nthree"_s);
}

void TestMenuShortcuts::copyKeysWithoutAMenuItemStillCopy_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("centreDisabled");
    QTest::addColumn<bool>("inOtherWindow");
    QTest::addColumn<QString>("copied");

    QTest::addRow("Ctrl+Insert copies the selection") << int(Qt::Key_Insert) << false << false << u"tw"_s;
    QTest::addRow("Ctrl+C copies while the centre item is disabled") << int(Qt::Key_C) << true << false << u"tw"_s;
    QTest::addRow("Ctrl+C copies in a dialog over the window") << int(Qt::Key_C) << false << true << u"two"_s;
}

void TestMenuShortcuts::copyKeysWithoutAMenuItemStillCopy()
{
    QFETCH(int, key);
    QFETCH(bool, centreDisabled);
    QFETCH(bool, inOtherWindow);
    QFETCH(QString, copied);

    prepareEditor();
    QGuiApplication::clipboard()->setText(u"on the clipboard before"_s);
    QAction *centre = m_window->action(u"centerset"_s);
    centre->setEnabled(!centreDisabled);
    QSignalSpy centred(centre, &QAction::triggered);

    QDialog dialog(m_window.get());
    QWidget *target = m_window->editor;
    if (inOtherWindow) {
        auto *field = new QLineEdit(u"two"_s, &dialog);
        field->selectAll();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        target = field;
    }

    QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(centred.count(), 0);
    QCOMPARE(alignmentOfBlock(m_window->editor, 1), 0);
}

QTEST_MAIN(TestMenuShortcuts)
#include "tst_menushortcuts.moc"
