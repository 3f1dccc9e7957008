// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user meets it: controls, menu tree, tab order,
// start-up values, the palette's three moves and the editor following the window.
#include "controls.h"
#include "window/commondialog.h"
#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "window/viewsettings.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void designState();
    void designGeometry_data();
    void designGeometry();
    void menuTree();
    void tabOrder();
    void startUpValues();
    void versionShowsTheAboutBox();

    void insertAtCaretTwice();
    void insertReplacesSelection();
    void insertMultiLineMarkup();
    void categoryChangeDisablesInsert();
    void choosingTagAgainResets();
    void typedComboCountsAsNoChoice();
    void typedTagInsertsNothing();
    void typingAnItemsTextPicksNothing();
    void keyboardPickRunsTheHandler();

    void editorFollowsWindow();
    void narrowWindowKeepsEditorSize();
    void minimisedWindowChangesNothing();

private:
    template<typename T>
    T *control(const QString &name) { return ::control<T>(m_window, name); }
    ComboBox *combo(const QString &name) { return control<ComboBox>(name); }
    QCheckBox *check(int n) { return control<QCheckBox>(u"Check%1"_s.arg(n)); }
    SourceEditor *source() { return control<SourceEditor>(u"source"_s); }
    QPushButton *insertButton() { return control<QPushButton>(u"sounyuu"_s); }

    void chooseTag(const QString &category, const QString &tag)
    {
        pick(combo(u"kind"_s), category);
        pick(combo(u"tagu"_s), tag);
    }
    QStringList visibleOptions()
    {
        QStringList names;
        for (const QString &name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"zokusei1"_s, u"zokusei2"_s, u"zokusei3"_s}) {
            if (control<QWidget>(name)->isVisible())
                names << name;
        }
        for (int n = 1; n <= 12; ++n) {
            if (check(n)->isVisible())
                names << check(n)->objectName();
        }
        return names;
    }

    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestMainWindow::designState()
{
    QCOMPARE(m_window->objectName(), u"frmMain"_s);
    QCOMPARE(m_window->windowTitle(), u"タグポット[*]"_s);
    QVERIFY(!m_window->isWindowModified());

    ComboBox *kind = combo(u"kind"_s);
    QCOMPARE(kind->currentText(), u"タグ分類"_s);
    QCOMPARE(kind->listIndex(), -1);
    QCOMPARE(kind->toolTip(), u"タグの分類を選択"_s);
    QStringList categories;
    for (int i = 0; i < kind->count(); ++i)
        categories << kind->itemText(i);
    QCOMPARE(categories, (QStringList{u"ベース設定"_s, u"テキスト"_s, u"フォント"_s, u"リスト"_s, u"画像（イメージ）"_s,
                                      u"リンク"_s, u"フォーム"_s, u"テーブル"_s, u"フレーム"_s, u"その他"_s, u"JavaScript"_s}));

    ComboBox *tagu = combo(u"tagu"_s);
    QCOMPARE(tagu->currentText(), u"タグ"_s);
    QCOMPARE(tagu->count(), 0);
    QCOMPARE(tagu->toolTip(), u"タグを選択"_s);

    const QStringList numbers{u"１"_s, u"２"_s, u"３"_s};
    for (int i = 0; i < 3; ++i) {
        QLabel *label = control<QLabel>(u"Label%1"_s.arg(i + 1));
        QCOMPARE(label->text(), u"属性"_s + numbers[i]);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QVERIFY(label->isHidden());
        QCOMPARE(label->font().pointSizeF(), 11.25);
        ComboBox *attribute = combo(u"zokusei%1"_s.arg(i + 1));
        QCOMPARE(attribute->currentText(), u"属性"_s + numbers[i]);
        QCOMPARE(attribute->count(), 0);
        QVERIFY(attribute->isHidden());
        QVERIFY(attribute->isEditable());
    }
    for (int n = 1; n <= 12; ++n) {
        QVERIFY(check(n)->isHidden());
        QVERIFY(!check(n)->isChecked());
        QCOMPARE(check(n)->font().pointSizeF(), 9.0);
    }

    QPushButton *insert = insertButton();
    QCOMPARE(insert->text(), u"挿　入"_s);
    QCOMPARE(insert->toolTip(), u"挿入ボタン"_s);
    QVERIFY(!insert->isEnabled());
    QVERIFY(insert->font().bold());
    QCOMPARE(insert->font().pointSizeF(), 12.0);

    QCOMPARE(source()->toPlainText(), QString());
    QCOMPARE(source()->font().pointSizeF(), 11.25);
    QCOMPARE(source()->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(kind->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(kind->font().pointSizeF(), 9.0);
    QVERIFY(kind->isEditable());
}

void TestMainWindow::designGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");

    // Twips of the design divided by 15, rounded.
    QTest::addRow("kind") << u"kind"_s << QRect(3, 8, 133, 20);
    QTest::addRow("tagu") << u"tagu"_s << QRect(3, 32, 133, 20);
    QTest::addRow("Label1") << u"Label1"_s << QRect(0, 64, 137, 17);
    QTest::addRow("zokusei1") << u"zokusei1"_s << QRect(0, 80, 133, 20);
    QTest::addRow("Label2") << u"Label2"_s << QRect(0, 104, 137, 17);
    QTest::addRow("zokusei2") << u"zokusei2"_s << QRect(3, 120, 133, 20);
    QTest::addRow("Label3") << u"Label3"_s << QRect(0, 144, 137, 17);
    QTest::addRow("zokusei3") << u"zokusei3"_s << QRect(3, 160, 133, 20);
    QTest::addRow("Check1") << u"Check1"_s << QRect(8, 184, 129, 25);
    QTest::addRow("Check12") << u"Check12"_s << QRect(8, 448, 129, 25);
    QTest::addRow("sounyuu") << u"sounyuu"_s << QRect(6, 488, 127, 25);
}

void TestMainWindow::designGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QWidget *widget = control<QWidget>(name);
    const QPoint topLeft = widget->mapTo(m_window->centralWidget(), QPoint(0, 0));
    QCOMPARE(QRect(topLeft, widget->size()), pixels);
}

// The designed menus and items keep their order, captions and shortcuts;
// added menus and items may stand between them and are left out here.
void TestMainWindow::menuTree()
{
    const QStringList designed{u"file"_s, u"new"_s, u"open"_s, u"save"_s, u"bar1"_s, u"exit"_s,
                               u"view"_s, u"FontNameset"_s, u"FontSizeset"_s, u"bar2"_s, u"leftset"_s,
                               u"centerset"_s, u"rightset"_s, u"Tools"_s, u"TableWizard"_s, u"GetColors"_s,
                               u"mnuOptionTool"_s, u"mnuPLK"_s, u"mnuFNK"_s, u"mnuTMS"_s, u"help"_s, u"version"_s};
    QStringList tree;
    for (QAction *menuAction : m_window->menuBar()->actions()) {
        if (!designed.contains(menuAction->objectName()))
            continue;
        tree << menuAction->objectName() + u' ' + menuAction->text();
        for (QAction *item : menuAction->menu()->actions()) {
            if (!designed.contains(item->objectName()))
                continue;
            tree << u"  "_s + item->objectName() + u' ' + (item->isSeparator() ? u"-"_s : item->text()) + u' '
                    + item->shortcut().toString(QKeySequence::PortableText);
        }
    }
    const QStringList expected{
        u"file ファイル(&F)"_s,
        u"  new 新規作成(&N) Ctrl+N"_s,
        u"  open 開く(O) Ctrl+O"_s,
        u"  save 保存(&S) Ctrl+S"_s,
        u"  bar1 - "_s,
        u"  exit 終了(&X) "_s,
        u"view 表示(&V)"_s,
        u"  FontNameset フォント(F)：ＭＳ　Ｐゴシック Ctrl+F"_s,
        u"  FontSizeset フォントサイズ(P)：10 Ctrl+P"_s,
        u"  bar2 - "_s,
        u"  leftset 左寄せ(L) Ctrl+L"_s,
        u"  centerset センタリング(C) Ctrl+C"_s,
        u"  rightset 右寄せ(R) Ctrl+R"_s,
        u"Tools ツール(&T)"_s,
        u"  TableWizard テーブル作成(&W) Ctrl+W"_s,
        u"  GetColors カラーコード取得(&G) Ctrl+G"_s,
        u"mnuOptionTool オプションツール(&O)"_s,
        u"  mnuPLK ポルカ "_s,
        u"  mnuFNK Fennick "_s,
        u"  mnuTMS Tamsel "_s,
        u"help ヘルプ（&H）"_s,
        u"  version バージョン情報(&A) "_s,
    };
    QCOMPARE(tree, expected);
    for (const QString &menu : {u"file"_s, u"view"_s, u"Tools"_s, u"mnuOptionTool"_s, u"help"_s})
        QVERIFY2(m_window->findChild<QMenu *>(menu), qPrintable(menu));
}

void TestMainWindow::tabOrder()
{
    QStringList expected{u"source"_s, u"kind"_s, u"tagu"_s, u"sounyuu"_s, u"zokusei1"_s, u"zokusei2"_s, u"zokusei3"_s};
    for (int n = 1; n <= 12; ++n)
        expected << u"Check%1"_s.arg(n);

    QStringList chain;
    QWidget *widget = source();
    while (chain.size() < expected.size()) {
        if (!widget->objectName().isEmpty() && expected.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
        if (widget == source())
            break;
    }
    QCOMPARE(chain, expected);
}

void TestMainWindow::startUpValues()
{
    auto *dialog = m_window->findChild<CommonDialog *>(u"CommDlg1"_s);
    QVERIFY(dialog);
    QCOMPARE(dialog->fontName(), u"ＭＳ　Ｐゴシック"_s);
    QCOMPARE(dialog->fontSize(), 10.0);
    QCOMPARE(dialog->filter(), u"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|TEXTﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*"_s);
    QCOMPARE(source()->selAlignment(), int(SourceEditor::AlignLeft));
    QCOMPARE(m_window->viewSettings()->strFont(), u"ＭＳ　Ｐゴシック"_s);
    QCOMPARE(m_window->viewSettings()->nFontSize(), 10);
    // The editor keeps its design font until the user chooses one.
    QCOMPARE(source()->font().pointSizeF(), 11.25);
    // No sibling tool beside the test program.
    for (const QString &tool : {u"mnuPLK"_s, u"mnuFNK"_s, u"mnuTMS"_s})
        QVERIFY2(!control<QAction>(tool)->isEnabled(), qPrintable(tool));
    QVERIFY(control<QAction>(u"mnuOptionTool"_s)->isEnabled());
}

void TestMainWindow::versionShowsTheAboutBox()
{
    QString shown;
    QMetaObject::invokeMethod(
        this,
        [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            shown = box->objectName() + u' ' + box->windowTitle();
            if (auto *ok = box->findChild<QPushButton *>(u"cmdOK"_s))
                ok->click();
        },
        Qt::QueuedConnection);
    control<QAction>(u"version"_s)->trigger();
    QCOMPARE(shown, u"frmAbout タグポットのﾊﾞｰｼﾞｮﾝ情報"_s);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::insertAtCaretTwice()
{
    chooseTag(u"テキスト"_s, u"改行"_s);
    QVERIFY(insertButton()->isEnabled());
    QCOMPARE(visibleOptions(), QStringList());
    insertButton()->setFocus();
    QTest::mouseClick(insertButton(), Qt::LeftButton);
    QCOMPARE(source()->toPlainText(), u"<BR>"_s);
    QVERIFY(source()->hasFocus());
    QTest::mouseClick(insertButton(), Qt::LeftButton);
    QCOMPARE(source()->toPlainText(), u"<BR><BR>"_s);
    QCOMPARE(source()->textCursor().position(), 8);
    QVERIFY(source()->hasFocus());
}

void TestMainWindow::insertReplacesSelection()
{
    source()->setPlainText(u"<p>abc</p>"_s);
    QTextCursor cursor = source()->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    source()->setTextCursor(cursor);

    chooseTag(u"テキスト"_s, u"見出し"_s);
    QCOMPARE(visibleOptions(), (QStringList{u"Label1"_s, u"Label2"_s, u"zokusei1"_s, u"zokusei2"_s}));
    pick(combo(u"zokusei1"_s), u"２"_s);
    pick(combo(u"zokusei2"_s), u"センタリング"_s);
    QTest::mouseClick(insertButton(), Qt::LeftButton);

    const QString heading = u"<H2 align='center'></H2>"_s;
    QCOMPARE(source()->toPlainText(), u"<p>"_s + heading + u"</p>"_s);
    QCOMPARE(source()->textCursor().position(), 3 + heading.size());
    QVERIFY(!source()->textCursor().hasSelection());
    // The palette keeps its state for the next Insert.
    QCOMPARE(combo(u"zokusei1"_s)->listIndex(), 1);
    QVERIFY(insertButton()->isEnabled());
}

void TestMainWindow::insertMultiLineMarkup()
{
    source()->setPlainText(u"ab"_s);
    QTextCursor cursor = source()->textCursor();
    cursor.setPosition(1);
    source()->setTextCursor(cursor);

    chooseTag(u"ベース設定"_s, u"ベース"_s);
    check(1)->click();
    check(7)->click();
    QTest::mouseClick(insertButton(), Qt::LeftButton);

    const QString page = u"<HTML><HEAD><TITLE>タイトル</TITLE>\n</HEAD>\n<BODY bgcolor='' leftmargin=''>\n\n"
                         u"<!--ここに本文-->\n\n</BODY></HTML>"_s;
    QCOMPARE(source()->toPlainText(), u"a"_s + page + u"b"_s);
    QCOMPARE(source()->textCursor().position(), 1 + page.size());
    QCOMPARE(source()->blockCount(), 7);
}

void TestMainWindow::categoryChangeDisablesInsert()
{
    chooseTag(u"ベース設定"_s, u"罫線"_s);
    QCOMPARE(visibleOptions(), (QStringList{u"Label1"_s, u"zokusei1"_s, u"Check1"_s, u"Check2"_s, u"Check3"_s, u"Check4"_s}));
    check(3)->click();
    QVERIFY(insertButton()->isEnabled());

    pick(combo(u"kind"_s), u"テキスト"_s);
    QVERIFY(!insertButton()->isEnabled());
    QCOMPARE(visibleOptions(), QStringList());
    QVERIFY(!check(3)->isChecked());
    ComboBox *tagu = combo(u"tagu"_s);
    QCOMPARE(tagu->listIndex(), -1);
    QCOMPARE(tagu->currentText(), QString());
    QCOMPARE(tagu->count(), 9);
    QCOMPARE(tagu->itemText(8), u"スクロール"_s);
}

void TestMainWindow::choosingTagAgainResets()
{
    chooseTag(u"テキスト"_s, u"スクロール"_s);
    check(2)->click();
    check(5)->click();
    pick(combo(u"zokusei1"_s), u"往復"_s);
    QCOMPARE(combo(u"zokusei1"_s)->listIndex(), 1);

    pick(combo(u"tagu"_s), u"スクロール"_s);
    for (int n = 1; n <= 8; ++n)
        QVERIFY2(!check(n)->isChecked(), qPrintable(check(n)->objectName()));
    QCOMPARE(combo(u"zokusei1"_s)->listIndex(), -1);
    QCOMPARE(combo(u"zokusei1"_s)->currentText(), QString());
    QCOMPARE(combo(u"zokusei1"_s)->count(), 3);
    QTest::mouseClick(insertButton(), Qt::LeftButton);
    QCOMPARE(source()->toPlainText(), u"<MARQUEE behavior='' direction=''>"_s);
}

void TestMainWindow::typedComboCountsAsNoChoice()
{
    chooseTag(u"テキスト"_s, u"見出し"_s);
    ComboBox *level = combo(u"zokusei1"_s);
    pick(level, u"３"_s);
    QTest::keyClicks(level->lineEdit(), u"x"_s);
    QCOMPARE(level->listIndex(), -1);
    QCOMPARE(level->count(), 6); // typed text never becomes an item
    QTest::keyClick(level->lineEdit(), Qt::Key_Return);
    QCOMPARE(level->count(), 6);
    QTest::mouseClick(insertButton(), Qt::LeftButton);
    QCOMPARE(source()->toPlainText(), u"<H align=''></H>"_s);
}

void TestMainWindow::typedTagInsertsNothing()
{
    source()->setPlainText(u"keep"_s);
    source()->selectAll();
    chooseTag(u"テキスト"_s, u"改行"_s);
    QTest::keyClicks(combo(u"tagu"_s)->lineEdit(), u"BR"_s);
    QCOMPARE(combo(u"tagu"_s)->listIndex(), -1);
    QVERIFY(insertButton()->isEnabled());
    QTest::mouseClick(insertButton(), Qt::LeftButton);
    QCOMPARE(source()->toPlainText(), u"keep"_s);
    QVERIFY(source()->textCursor().hasSelection());
}

void TestMainWindow::typingAnItemsTextPicksNothing()
{
    ComboBox *kind = combo(u"kind"_s);
    kind->lineEdit()->selectAll();
    QTest::keyClicks(kind->lineEdit(), u"JavaScript"_s);
    QTest::keyClick(kind->lineEdit(), Qt::Key_Return);
    source()->setFocus();
    QCOMPARE(kind->currentText(), u"JavaScript"_s);
    QCOMPARE(kind->listIndex(), -1);
    QCOMPARE(kind->count(), 11);
    QCOMPARE(combo(u"tagu"_s)->count(), 0);
}

void TestMainWindow::keyboardPickRunsTheHandler()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    ComboBox *kind = combo(u"kind"_s);
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    QCOMPARE(kind->listIndex(), 0);
    QCOMPARE(combo(u"tagu"_s)->count(), 2);
    QCOMPARE(combo(u"tagu"_s)->itemText(1), u"罫線"_s);
}

void TestMainWindow::editorFollowsWindow()
{
    const QRect kindBefore = combo(u"kind"_s)->geometry();
    const QRect insertBefore = insertButton()->geometry();
    m_window->resize(1100, 800);
    QTRY_COMPARE(m_window->centralWidget()->width(), 1100);
    QWidget *client = m_window->centralWidget();
    QCOMPARE(source()->pos(), QPoint(144, 0));
    QCOMPARE(source()->width(), qRound(client->width() - 2216.841 / 15));
    QCOMPARE(source()->height(), client->height());
    QCOMPARE(combo(u"kind"_s)->geometry(), kindBefore);
    QCOMPARE(insertButton()->geometry(), insertBefore);

    m_window->resize(600, 400);
    QTRY_COMPARE(m_window->centralWidget()->width(), 600);
    QCOMPARE(source()->width(), qRound(600 - 2216.841 / 15));
    QCOMPARE(source()->height(), client->height());
    QCOMPARE(combo(u"kind"_s)->geometry(), kindBefore);
}

void TestMainWindow::narrowWindowKeepsEditorSize()
{
    m_window->resize(700, 500);
    QTRY_COMPARE(m_window->width(), 700);
    const QSize before = source()->size();
    m_window->resize(140, 600); // 2100 twips: no wider than the palette
    QTRY_COMPARE(m_window->width(), 140);
    QCOMPARE(source()->size(), before);
    QCOMPARE(combo(u"kind"_s)->pos(), QPoint(3, 8));

    m_window->resize(149, 600); // just wider than the palette: the editor shrinks to nothing, never below
    QTRY_COMPARE(m_window->width(), 149);
    QCOMPARE(source()->width(), 1);
    m_window->resize(148, 600);
    QTRY_COMPARE(m_window->width(), 148);
    QCOMPARE(source()->width(), 0);
}

void TestMainWindow::minimisedWindowChangesNothing()
{
    const QSize before = source()->size();
    m_window->showMinimized();
    m_window->resize(900, 700);
    QCOMPARE(source()->size(), before);
    m_window->showNormal();
    QTRY_COMPARE(source()->width(), qRound(m_window->centralWidget()->width() - 2216.841 / 15));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
