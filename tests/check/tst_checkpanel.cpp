// SPDX-License-Identifier: GPL-3.0-or-later
// Tools → page check in the real window: the list under the editor, and a
// double-click taking the caret to the problem.
#include "app/mainwindow.h"
#include "controls.h"
#include "document/documentfiles.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestCheckPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listsProblemsAndLeavesTheText();
    void doubleClickMovesTheCaret();
    void doubleClickFindsTheLineOfALargePage();
    void missingFilesBesideASavedPage();

private:
    QStringList row(int index)
    {
        QTreeWidgetItem *item = list()->topLevelItem(index);
        return {item->text(0), item->text(1), item->text(2), item->text(3)};
    }
    QTreeWidget *list() { return control<QTreeWidget>(m_window, u"validationList"_s); }
    void check() { control<QAction>(m_window, u"validate"_s)->trigger(); }

    MainWindow *m_window = nullptr;
};

void TestCheckPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestCheckPanel::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestCheckPanel::cleanup()
{
    m_window->source()->document()->setModified(false);
    delete m_window;
    m_window = nullptr;
}

void TestCheckPanel::listsProblemsAndLeavesTheText()
{
    QVERIFY(!m_window->findChild<QTreeWidget *>(u"validationList"_s));
    const QString page = u"<HTML><HEAD><TITLE>題</TITLE></HEAD>\n<BODY>\n<P><B>太字\n\t<CENTER>中央</CENTER>\n</BODY></HTML>"_s;
    m_window->source()->setPlainText(page);
    m_window->source()->document()->setModified(false);
    check();

    QVERIFY(list()->isVisible());
    QStringList headers;
    for (int i = 0; i < list()->columnCount(); ++i)
        headers << list()->headerItem()->text(i);
    QCOMPARE(headers, (QStringList{u"行"_s, u"桁"_s, u"種類"_s, u"メッセージ"_s}));
    QList<QStringList> rows;
    for (int i = 0; i < list()->topLevelItemCount(); ++i)
        rows << row(i);
    const QList<QStringList> expected{
        {u"1"_s, u"1"_s, u"警告"_s, u"<!DOCTYPE> 宣言がありません"_s},
        {u"3"_s, u"4"_s, u"警告"_s, u"<center> の前に </b> がありません"_s},
        {u"4"_s, u"2"_s, u"警告"_s, u"<center> 要素は HTML から削除されました。CSS の text-align: center（中身を中央に寄せる）か margin: auto（ブロックを中央に置く）を使います"_s},
        {u"4"_s, u"10"_s, u"警告"_s, u"<b> が省略されています（補って解釈します）"_s},
        {QString(), QString(), u"注意"_s, u"まだ保存されていないページです。画像やリンク先のファイルは確かめていません。"_s},
    };
    QCOMPARE(rows, expected);
    QCOMPARE(control<QDockWidget>(m_window, u"validationDock"_s)->windowTitle(), u"チェック結果 (4 件)"_s);
    QCOMPARE(PageText(m_window->source(), PageText::Form::Editor).all(), page);
    QVERIFY(!m_window->source()->document()->isModified());

    // A clean page says so.
    m_window->source()->setPlainText(u"<!DOCTYPE html>\n<html><head><title>t</title></head><body><p>a</p></body></html>"_s);
    check();
    QCOMPARE(row(0).at(3), u"問題は見つかりませんでした。"_s);
}

void TestCheckPanel::doubleClickMovesTheCaret()
{
    // The tab counts to the next multiple of eight for the checker, one for the editor.
    m_window->source()->setPlainText(u"<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n\t<p>あ</b></p>\n</body></html>"_s);
    check();
    QCOMPARE(row(0).mid(0, 2), (QStringList{u"3"_s, u"6"_s}));

    QTreeWidgetItem *item = list()->topLevelItem(0);
    const QRect place = list()->visualItemRect(item);
    // A double-click is a press, a release and the double-click itself.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    const QTextCursor caret = m_window->source()->textCursor();
    QCOMPARE(caret.blockNumber(), 2);
    QCOMPARE(caret.positionInBlock(), 5);
    QCOMPARE(caret.block().text().mid(caret.positionInBlock(), 4), u"</b>"_s);
}

// On a large page short lines share the editor's blocks and long lines are
// shown in pieces: the checker's lines and columns are still the page's.
void TestCheckPanel::doubleClickFindsTheLineOfALargePage()
{
    QString page = u"<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"_s;
    for (int line = 3; line <= 11; ++line)
        page += u"<p>%1</p>\n"_s.arg(line);
    page += u"<p>あ</b></p>\n"_s;                                        // line 12, a stray end tag at column 5
    page += u"<p>"_s + u"長い行 "_s.repeated(7'500) + u"</i></p>\n"_s;   // line 13, one at column 30,004
    while (page.size() < PageFiller::piecewiseFrom)
        page += u"<p>行</p>\n"_s;
    page += u"</body></html>\n"_s;
    SourceEditor *editor = m_window->source();
    setEditorText(editor, page);
    QTRY_VERIFY_WITH_TIMEOUT(!pageFiller(editor), 60'000);
    QVERIFY(editor->blockCount() < PageLines::lineCount(editor->document()));
    check();
    QCOMPARE(row(0).mid(0, 2), (QStringList{u"12"_s, u"5"_s}));
    QCOMPARE(row(1).mid(0, 2), (QStringList{u"13"_s, u"30004"_s}));

    const QList<std::pair<int, QString>> wanted{{12, u"</b>"_s}, {13, u"</i>"_s}};
    for (int index = 0; index < 2; ++index) {
        const QRect place = list()->visualItemRect(list()->topLevelItem(index));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, place.center());
        const int caret = editor->textCursor().position();
        QCOMPARE(PageLines::lineAt(editor->document(), caret) + 1, wanted[index].first);
        QCOMPARE(PageText(editor, PageText::Form::Editor).all().mid(caret, 4), wanted[index].second);
    }
}

void TestCheckPanel::missingFilesBesideASavedPage()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile(folder.filePath(u"here.png"_s)).open(QIODevice::WriteOnly);
    const QString path = folder.filePath(u"page.html"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"
               "<img src=\"here.png\" alt=\"\"><img src=\"gone.png\" alt=\"\">\n</body></html>\n");
    file.close();
    QVERIFY(m_window->documentFiles()->openPath(path));
    check();
    QCOMPARE(list()->topLevelItemCount(), 1);
    QCOMPARE(row(0), (QStringList{u"3"_s, u"28"_s, u"ファイルなし"_s, u"ファイルが見つかりません: gone.png"_s}));
}

QTEST_MAIN(TestCheckPanel)
#include "tst_checkpanel.moc"
