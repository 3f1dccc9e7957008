// SPDX-License-Identifier: GPL-3.0-or-later
// Beyond the designed palette, through the real window: the markup preview,
// the tag search, the insert options of the settings page 挿入, the tooltips,
// and the colour commands' status and insertion.
#include "controls.h"
#include "app/mainwindow.h"
#include "core/palette/catalogue.h"
#include "core/palette/insertion.h"
#include "core/palette/tagnotes.h"
#include "core/settings/settingkeys.h"
#include "editor/sourceeditor.h"
#include "palette/palettepanel.h"
#include "scripteddialogs.h"
#include "window/settingsdialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPaletteTools : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsAsDesigned();
    void showingToolsKeepsTheClientArea();
    void previewEqualsInsert_data();
    void previewEqualsInsert();
    void previewFollowsTicksAndTyping();
    void searchLeavesTheSameSetUpAsPicking_data();
    void searchLeavesTheSameSetUpAsPicking();
    void searchByKeyboard();
    void hugeSelectionPreviewedByItsLength();
    void insertOptions_data();
    void insertOptions();
    void settingsPageSetsTheOptions();
    void html5PageNamesTheDocumentsEncoding();
    void tooltips();
    void colourCommands();

private:
    template<typename T>
    T *control(const QString &name) { return ::control<T>(m_window, name); }
    ComboBox *combo(const QString &name) { return control<ComboBox>(name); }
    QCheckBox *check(int n) { return control<QCheckBox>(u"Check%1"_s.arg(n)); }
    QPlainTextEdit *preview() { return control<QPlainTextEdit>(u"markupPreview"_s); }
    SourceEditor *source() { return m_window->source(); }
    void chooseTag(int kind, int tagu)
    {
        pick(combo(u"kind"_s), kind);
        pick(combo(u"tagu"_s), tagu);
    }
    void insert() { QTest::mouseClick(control<QPushButton>(u"sounyuu"_s), Qt::LeftButton); }
    // The preview is kept up to date while the tools are shown.
    void showTools()
    {
        control<QAction>(u"paletteTools"_s)->trigger();
        QTRY_VERIFY(preview()->isVisible());
    }
    // Every palette control as the user sees it.
    QStringList setUp();

    MainWindow *m_window = nullptr;
    DialogScript m_dialogs;
};

void TestPaletteTools::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPaletteTools::init()
{
    Settings::wrapSelection.reset();
    Settings::caretIntoValue.reset();
    Settings::markupStyle.reset();
    Settings::showPaletteTools.reset();
    Settings::windowGeometry.reset();
    m_window = new MainWindow;
    m_dialogs = {};
    m_window->commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPaletteTools::cleanup()
{
    delete m_window;
    m_window = nullptr;
    Settings::showPaletteTools.reset();
}

QStringList TestPaletteTools::setUp()
{
    QStringList shown;
    for (const QString &name : {u"kind"_s, u"tagu"_s, u"zokusei1"_s, u"zokusei2"_s, u"zokusei3"_s}) {
        ComboBox *box = combo(name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        shown << u"%1 %2 [%3] %4 %5 %6"_s.arg(name, box->currentText(), items.join(u'|'))
                     .arg(box->listIndex())
                     .arg(box->isVisible())
                     .arg(box->toolTip());
    }
    for (int n = 1; n <= 3; ++n) {
        auto *label = control<QLabel>(u"Label%1"_s.arg(n));
        shown << u"Label%1 %2 %3"_s.arg(n).arg(label->isVisible()).arg(label->text());
    }
    for (int n = 1; n <= 12; ++n)
        shown << u"Check%1 %2 %3 %4 %5"_s.arg(n).arg(check(n)->isVisible()).arg(check(n)->isChecked())
                     .arg(check(n)->text(), check(n)->toolTip());
    shown << u"sounyuu %1"_s.arg(control<QPushButton>(u"sounyuu"_s)->isEnabled());
    return shown;
}

// Nothing new shows on a first start; the designed tooltips stay.
void TestPaletteTools::startsAsDesigned()
{
    QVERIFY(!m_window->findChild<QDockWidget *>(u"paletteToolsDock"_s));
    QVERIFY(!control<QAction>(u"paletteTools"_s)->isChecked());
    QCOMPARE(m_window->centralWidget()->size(), QSize(748, 521));
    QCOMPARE(combo(u"kind"_s)->toolTip(), u"タグの分類を選択"_s);
    QCOMPARE(combo(u"tagu"_s)->toolTip(), u"タグを選択"_s);
    QCOMPARE(control<QPushButton>(u"sounyuu"_s)->toolTip(), u"挿入ボタン"_s);
    QCOMPARE(m_window->palette()->insertOptions(), InsertOptions{});
}

// The dock widens the window instead of narrowing the client area, and the
// choice is remembered.
void TestPaletteTools::showingToolsKeepsTheClientArea()
{
    const QSize client = m_window->centralWidget()->size();
    const QSize editor = source()->size();
    control<QAction>(u"paletteTools"_s)->trigger();
    auto *dock = control<QDockWidget>(u"paletteToolsDock"_s);
    QTRY_VERIFY(dock->isVisible());
    QTRY_COMPARE(m_window->centralWidget()->size(), client);
    QCOMPARE(source()->size(), editor);
    QCOMPARE(control<QWidget>(u"sounyuu"_s)->mapTo(m_window->centralWidget(), QPoint(0, 0)), QPoint(6, 488));
    QVERIFY(Settings::showPaletteTools.value());

    control<QAction>(u"paletteTools"_s)->trigger();
    QTRY_VERIFY(!dock->isVisible());
    QTRY_COMPARE(m_window->centralWidget()->size(), client);
    QVERIFY(!Settings::showPaletteTools.value());

    // Shown at the next start, the dock again leaves the client area as designed.
    Settings::showPaletteTools.setValue(true);
    delete m_window;
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(control<QDockWidget>(u"paletteToolsDock"_s)->isVisible());
    QTRY_COMPARE(m_window->centralWidget()->size(), client);
    QTRY_COMPARE(source()->size(), editor);
}

void TestPaletteTools::previewEqualsInsert_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    QTest::addColumn<bool>("everything");
    QTest::addColumn<bool>("html5");
    const auto categories = catalogue();
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            const QByteArray name = (categories[kind].name + u" / "_s + categories[kind].tags[tagu].label).toUtf8();
            QTest::addRow("%s, as set up", name.constData()) << kind << tagu << false << false;
            QTest::addRow("%s, everything chosen", name.constData()) << kind << tagu << true << false;
            QTest::addRow("%s, everything chosen, HTML5", name.constData()) << kind << tagu << true << true;
        }
    }
}

// What the preview shows is what Insert then writes, for every tag.
void TestPaletteTools::previewEqualsInsert()
{
    showTools();
    QFETCH(int, kind);
    QFETCH(int, tagu);
    QFETCH(bool, everything);
    QFETCH(bool, html5);

    InsertOptions options;
    options.style = html5 ? MarkupStyle::Html5 : MarkupStyle::Designed;
    m_window->palette()->setInsertOptions(options);
    chooseTag(kind, tagu);
    if (everything) {
        for (int n = 1; n <= 12; ++n) {
            if (check(n)->isVisible())
                check(n)->setChecked(true);
        }
        for (const QString &name : {u"zokusei1"_s, u"zokusei2"_s, u"zokusei3"_s}) {
            if (combo(name)->isVisible())
                pick(combo(name), combo(name)->count() - 1);
        }
    }
    const QString shown = preview()->toPlainText();
    source()->clear();
    insert();
    QCOMPARE(shown, source()->toPlainText());
    if (html5)
        QVERIFY2(!shown.contains(u"='"_s), qPrintable(shown));
}

void TestPaletteTools::previewFollowsTicksAndTyping()
{
    showTools();
    pick(combo(u"kind"_s), u"テーブル"_s);
    pick(combo(u"tagu"_s), u"セル　作成"_s);
    QCOMPARE(preview()->toPlainText(), u"<TD align='' valign=''></TD>"_s);
    check(5)->click();
    QCOMPARE(preview()->toPlainText(), u"<TD nowrap align='' valign=''></TD>"_s);
    pick(combo(u"zokusei1"_s), 1);
    QCOMPARE(preview()->toPlainText(), u"<TD nowrap align='center' valign=''></TD>"_s);
    // Typing over a combo leaves no item chosen: the value goes.
    combo(u"zokusei1"_s)->setFocus();
    QTest::keyClicks(combo(u"zokusei1"_s), u"x"_s);
    QCOMPARE(preview()->toPlainText(), u"<TD nowrap align='' valign=''></TD>"_s);
    // Typing over the tag leaves nothing to insert.
    combo(u"tagu"_s)->setFocus();
    QTest::keyClicks(combo(u"tagu"_s), u"y"_s);
    QCOMPARE(preview()->toPlainText(), QString());

    // The page skeleton's line ends show as line breaks, one per CR LF.
    pick(combo(u"kind"_s), 0);
    pick(combo(u"tagu"_s), 0);
    QCOMPARE(preview()->document()->blockCount(), 7);
}

void TestPaletteTools::searchLeavesTheSameSetUpAsPicking_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("tag");
    QTest::addRow("表 finds the table") << u"表"_s << u"テーブル"_s << u"テーブル作成"_s;
    QTest::addRow("table finds the table") << u"table"_s << u"テーブル"_s << u"テーブル作成"_s;
    QTest::addRow("td finds the cell") << u"td"_s << u"テーブル"_s << u"セル　作成"_s;
    QTest::addRow("リンク finds the link") << u"リンク"_s << u"リンク"_s << u"リンク作成"_s;
    QTest::addRow("textarea finds the multi-line input") << u"textarea"_s << u"フォーム"_s << u"複数行入力"_s;
    QTest::addRow("見出し finds the heading") << u"見出し"_s << u"テキスト"_s << u"見出し"_s;
}

void TestPaletteTools::searchLeavesTheSameSetUpAsPicking()
{
    showTools();
    QFETCH(QString, query);
    QFETCH(QString, category);
    QFETCH(QString, tag);

    // Start from another tag with a box ticked, so that stale state would show.
    pick(combo(u"kind"_s), u"フォーム"_s);
    pick(combo(u"tagu"_s), u"１行入力"_s);
    check(1)->setChecked(true);
    pick(combo(u"kind"_s), category);
    pick(combo(u"tagu"_s), tag);
    const QStringList picked = setUp();
    const QString pickedPreview = preview()->toPlainText();

    pick(combo(u"kind"_s), u"フォーム"_s);
    pick(combo(u"tagu"_s), u"１行入力"_s);
    check(1)->setChecked(true);
    auto *search = control<QLineEdit>(u"tagSearch"_s);
    search->clear();
    // Typed as an input method commits it (keyClicks knows only ASCII).
    search->insert(query);
    auto *results = control<QListWidget>(u"tagSearchResults"_s);
    QVERIFY(results->count() > 0);
    QTest::keyClick(search, Qt::Key_Return);

    QCOMPARE(setUp(), picked);
    QCOMPARE(preview()->toPlainText(), pickedPreview);
}

// Down walks the list of tags found; Enter chooses the one marked.
void TestPaletteTools::searchByKeyboard()
{
    control<QAction>(u"paletteTools"_s)->trigger();
    auto *search = control<QLineEdit>(u"tagSearch"_s);
    QTRY_VERIFY(search->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_VERIFY(search->hasFocus());
    QTest::keyClicks(search, u"td"_s);
    auto *results = control<QListWidget>(u"tagSearchResults"_s);
    QVERIFY(results->count() >= 2);
    QTest::keyClick(search, Qt::Key_Down);
    QCOMPARE(results->currentRow(), 1);
    const TagPlace second = findTags(u"td")[1];
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(combo(u"kind"_s)->listIndex(), second.kind);
    QCOMPARE(combo(u"tagu"_s)->listIndex(), second.tagu);
}

// Selecting a large page with wrapping on never copies it into the preview;
// Insert still wraps all of it.
void TestPaletteTools::hugeSelectionPreviewedByItsLength()
{
    showTools();
    InsertOptions options;
    options.wrapSelection = true;
    m_window->palette()->setInsertOptions(options);
    pick(combo(u"kind"_s), u"フォント"_s);
    pick(combo(u"tagu"_s), u"太字"_s);
    const QString page = u"word\n"_s.repeated(40'000);
    source()->setPlainText(page);
    source()->selectAll();
    QCOMPARE(preview()->toPlainText(), u"<B>…（選択中の 200000 文字）…</B>"_s);
    insert();
    QCOMPARE(source()->toPlainText(), u"<B>"_s + page + u"</B>"_s);
}

void TestPaletteTools::insertOptions_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("caret");
    QTest::addColumn<int>("selectFrom"); // in "a word\nand more."
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAt");

    QTest::addRow("options off: the designed replacement")
        << u"フォント"_s << u"太字"_s << false << false << 2 << 6 << u"a <B></B>\nand more."_s << 9;
    QTest::addRow("wrap: bold around the selected word")
        << u"フォント"_s << u"太字"_s << true << false << 2 << 6 << u"a <B>word</B>\nand more."_s << 13;
    QTest::addRow("wrap, empty selection: inserted at the caret")
        << u"フォント"_s << u"太字"_s << true << false << 2 << 2 << u"a <B></B>word\nand more."_s << 9;
    QTest::addRow("wrap, multi-line selection into a quotation")
        << u"テキスト"_s << u"長文引用"_s << true << false << 0 << 10
        << u"<BLOCKQUOTE>a word\nand</BLOCKQUOTE> more."_s << 35;
    QTest::addRow("wrap, tag without an end tag: the word stays after it")
        << u"テキスト"_s << u"改行"_s << true << false << 2 << 6 << u"a <BR>word\nand more."_s << 10;
    QTest::addRow("caret: into the link's address")
        << u"リンク"_s << u"リンク作成"_s << false << true << 2 << 2 << u"a <A href=''></A>word\nand more."_s << 11;
    QTest::addRow("caret: between the tags of bold")
        << u"フォント"_s << u"太字"_s << false << true << 2 << 2 << u"a <B></B>word\nand more."_s << 5;
    QTest::addRow("caret: after a tag with neither")
        << u"テキスト"_s << u"改行"_s << false << true << 2 << 2 << u"a <BR>word\nand more."_s << 6;
    QTest::addRow("wrap and caret: the word linked, caret in the address")
        << u"リンク"_s << u"リンク作成"_s << true << true << 2 << 6 << u"a <A href=''>word</A>\nand more."_s << 11;
    QTest::addRow("caret after the page skeleton's seven lines")
        << u"ベース設定"_s << u"ベース"_s << false << true << 0 << 0
        << u"<HTML><HEAD><TITLE>タイトル</TITLE>\n</HEAD>\n<BODY>\n\n<!--ここに本文-->\n\n</BODY></HTML>a word\nand more."_s
        << 76;
}

// Through the real window: the text written, the caret, and one undo step
// back to the text as it was.
void TestPaletteTools::insertOptions()
{
    showTools();
    QFETCH(QString, category);
    QFETCH(QString, tag);
    QFETCH(bool, wrap);
    QFETCH(bool, caret);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, text);
    QFETCH(int, caretAt);

    InsertOptions options;
    options.wrapSelection = wrap;
    options.caretIntoValue = caret;
    m_window->palette()->setInsertOptions(options);
    const QString before = u"a word\nand more."_s;
    source()->setPlainText(before);
    QTextCursor cursor = source()->textCursor();
    cursor.setPosition(selectFrom);
    cursor.setPosition(selectTo, QTextCursor::KeepAnchor);
    source()->setTextCursor(cursor);
    pick(combo(u"kind"_s), category);
    pick(combo(u"tagu"_s), tag);
    const QString previewed = preview()->toPlainText();
    insert();
    QCOMPARE(source()->toPlainText(), text);
    QCOMPARE(source()->textCursor().position(), caretAt);
    QCOMPARE(source()->textCursor().hasSelection(), false);
    QCOMPARE(text.mid(selectFrom, previewed.size()), previewed);
    source()->undo();
    QCOMPARE(source()->toPlainText(), before);
}

void TestPaletteTools::settingsPageSetsTheOptions()
{
    auto *dialog = m_window->settingsDialog();
    QMetaObject::invokeMethod(
        m_window,
        [dialog] {
            auto *tabs = dialog->findChild<QTabWidget *>(u"settingsTabs"_s);
            QWidget *page = dialog->findChild<QWidget *>(u"insertPage"_s);
            if (!tabs || !page || tabs->tabText(tabs->indexOf(page)) != u"挿入"_s) {
                QTest::qFail("no page 挿入", __FILE__, __LINE__);
                dialog->reject();
                return;
            }
            auto *wrap = page->findChild<QCheckBox *>(u"chkWrapSelection"_s);
            auto *caret = page->findChild<QCheckBox *>(u"chkCaretIntoValue"_s);
            auto *style = page->findChild<QComboBox *>(u"cboMarkupStyle"_s);
            // A first start shows everything off and the designed style.
            if (wrap->isChecked() || caret->isChecked() || style->currentText() != u"設計どおり"_s)
                QTest::qFail("the page does not start off", __FILE__, __LINE__);
            wrap->setChecked(true);
            style->setCurrentIndex(style->findText(u"HTML5"_s));
            dialog->findChild<QPushButton *>(u"settingsOK"_s)->click();
        },
        Qt::QueuedConnection);
    control<QAction>(u"preferences"_s)->trigger();

    InsertOptions expected;
    expected.wrapSelection = true;
    expected.style = MarkupStyle::Html5;
    QCOMPARE(m_window->palette()->insertOptions(), expected);
    QCOMPARE(storedInsertOptions(), expected);

    // A new window starts with what was chosen.
    delete m_window;
    m_window = new MainWindow;
    QCOMPARE(m_window->palette()->insertOptions(), expected);
}

void TestPaletteTools::html5PageNamesTheDocumentsEncoding()
{
    showTools();
    InsertOptions options;
    options.style = MarkupStyle::Html5;
    m_window->palette()->setInsertOptions(options);
    pick(combo(u"kind"_s), 0);
    pick(combo(u"tagu"_s), 0);
    // A new document is UTF-8.
    QVERIFY(preview()->toPlainText().startsWith(
        u"<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"UTF-8\"><title>タイトル</title>\n"_s));

    // An opened Shift_JIS page names its own encoding.
    m_dialogs.opens << std::optional<QString>(QStringLiteral(TAGPOT_TEST_DATA "/sjis_crlf.html"));
    control<QAction>(u"open"_s)->trigger();
    // The preview follows the page's encoding without a new pick.
    QVERIFY(preview()->toPlainText().contains(u"<meta charset=\"Shift_JIS\">"_s));
    source()->moveCursor(QTextCursor::End);
    insert();
    QVERIFY2(source()->toPlainText().contains(u"<head><meta charset=\"Shift_JIS\"><title>"_s),
             qPrintable(source()->toPlainText()));
}

void TestPaletteTools::tooltips()
{
    pick(combo(u"kind"_s), u"テーブル"_s);
    auto *tagu = combo(u"tagu"_s);
    for (int i = 0; i < tagu->count(); ++i)
        QCOMPARE(tagu->itemData(i, Qt::ToolTipRole).toString(), tagTip(7, i));
    QVERIFY(tagu->itemData(0, Qt::ToolTipRole).toString().contains(u"表"_s));

    pick(tagu, u"テーブル作成"_s);
    // Two captions that the box cuts to the same text are told apart by their tooltips.
    QCOMPARE(check(7)->text(), u"枠線色指定"_s);
    QCOMPARE(check(8)->text(), u"枠線色指定（左+上、右+下）"_s);
    QVERIFY(check(8)->toolTip().startsWith(u"枠線色指定（左+上、右+下）\n"_s));
    QVERIFY(check(8)->toolTip().contains(u"bordercolorlight"_s));
    // A caption that fits is not repeated.
    QVERIFY(!check(1)->toolTip().startsWith(check(1)->text()));
    QVERIFY(check(1)->toolTip().contains(u"border："_s));
    QVERIFY(combo(u"zokusei2"_s)->toolTip().contains(u"上のみ → above"_s));
    QCOMPARE(tagu->toolTip(), u"タグを選択"_s);
}

void TestPaletteTools::colourCommands()
{
    m_dialogs.colors << QColor(0xFF, 0x00, 0x10) << QColor(0x12, 0xAB, 0xEF) << std::nullopt;
    control<QAction>(u"GetColors"_s)->trigger();
    QCOMPARE(m_window->statusBar()->currentMessage(), u"カラーコード FF0010 をコピーしました"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"FF0010"_s);

    source()->setPlainText(u"<BODY bgcolor=''>"_s);
    QTextCursor cursor = source()->textCursor();
    cursor.setPosition(15);
    source()->setTextCursor(cursor);
    control<QAction>(u"insertColorCode"_s)->trigger();
    QCOMPARE(source()->toPlainText(), u"<BODY bgcolor='#12ABEF'>"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"FF0010"_s);

    // Cancelled: nothing written, nothing said.
    m_window->statusBar()->clearMessage();
    control<QAction>(u"insertColorCode"_s)->trigger();
    QCOMPARE(source()->toPlainText(), u"<BODY bgcolor='#12ABEF'>"_s);
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
}

QTEST_MAIN(TestPaletteTools)
#include "tst_palettetools.moc"
