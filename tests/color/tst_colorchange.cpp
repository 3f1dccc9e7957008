// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "document/pagekindchoice.h"
#include "editor/pagetext.h"
#include "editor/editortext.h"
#include "editor/htmlhighlighter.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"
#include "scriptedprompts.h"
#include "testsettings.h"
#include "window/commondialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The page's kind and the colours written in it, through the real window:
// files opened by name, the kind menu, the swatches and insertColorCode.
class TestColorChange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void kindFromFileName_data();
    void kindFromFileName();
    void kindChosenFromTheMenu();

    void changesTheValue_data();
    void changesTheValue();
    void cancelChangesNothing();
    void designedInsertionElsewhere_data();
    void designedInsertionElsewhere();

private:
    void trigger(const QString &name)
    {
        auto *action = m_window->findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(u"no action "_s + name));
        QVERIFY2(action->isEnabled(), qPrintable(name + u" is disabled"_s));
        action->trigger();
    }
    QString writePage(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString pageKind() const { return m_window->findChild<QLabel *>(u"pageKind"_s)->text(); }
    HtmlHighlighter *highlighter() const { return m_window->source()->findChild<HtmlHighlighter *>(); }

    MainWindow *m_window = nullptr;
    DialogScript m_dialogs;
    PromptScript m_prompts;
    QTemporaryDir m_folder;
};

void TestColorChange::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_dialogs = {};
    m_prompts = {};
    m_prompts.overwriteAnswer = true;
    m_window->commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->documentFiles()->setBackend(std::make_unique<ScriptedPrompts>(&m_prompts));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestColorChange::cleanup()
{
    m_window->source()->document()->setModified(false);
    delete m_window;
}

void TestColorChange::kindFromFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown");

    QTest::addRow("an .htm page is HTML") << u"old.htm"_s << u"kindHtml"_s << u"HTML"_s;
    QTest::addRow("a .css file is CSS") << u"style.css"_s << u"kindCss"_s << u"CSS"_s;
    QTest::addRow("an .mjs file is script") << u"app.mjs"_s << u"kindJavaScript"_s << u"JavaScript"_s;
    QTest::addRow("a .txt file is plain text") << u"memo.txt"_s << u"kindPlain"_s << u"テキスト"_s;
}

void TestColorChange::kindFromFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, action);
    QFETCH(QString, shown);

    // A first start shows a new page, HTML.
    QCOMPARE(pageKind(), u"HTML"_s);
    QVERIFY(m_window->findChild<QAction *>(u"kindHtml"_s)->isChecked());
    QVERIFY(m_window->documentFiles()->openPath(writePage(name, "a { color: red }\n")));
    QCOMPARE(pageKind(), shown);
    QVERIFY(m_window->findChild<QAction *>(action)->isChecked());
    for (const QString &other : {u"kindHtml"_s, u"kindCss"_s, u"kindJavaScript"_s, u"kindPlain"_s}) {
        if (other != action)
            QVERIFY(!m_window->findChild<QAction *>(other)->isChecked());
    }
    QCOMPARE(highlighter()->kind(), m_window->documentSession()->kind()->kind());

    trigger(u"new"_s);
    QCOMPARE(pageKind(), u"HTML"_s);
}

void TestColorChange::kindChosenFromTheMenu()
{
    QVERIFY(m_window->findChild<QMenu *>(u"mnuPageKind"_s)->menuAction()->isEnabled());
    const QString path = writePage(u"notes.txt"_s, "p { color: #FFCC00 }\n");
    QVERIFY(m_window->documentFiles()->openPath(path));
    QCOMPARE(pageKind(), u"テキスト"_s);

    trigger(u"kindCss"_s);
    QCOMPARE(pageKind(), u"CSS"_s);
    QCOMPARE(highlighter()->kind(), PageKind::Css);
    QVERIFY(m_window->findChild<QAction *>(u"kindCss"_s)->isChecked());

    // The palette and the table wizard insert at the caret on any kind.
    m_window->source()->moveCursor(QTextCursor::End);
    m_window->source()->setSelText(u"/* x */"_s);
    QCOMPARE(PageText(m_window->source()).all(), u"p { color: #FFCC00 }\n/* x */"_s);

    // Opening the file again gives the kind its name says.
    m_window->source()->document()->setModified(false);
    QVERIFY(m_window->documentFiles()->openPath(path));
    QCOMPARE(pageKind(), u"テキスト"_s);
}

void TestColorChange::changesTheValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("click");
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("a stylesheet's #RRGGBB, swatch clicked")
        << u"s.css"_s << QByteArray("p { color: #FFCC00; }\n") << u"#FFCC00"_s << true << QColor(0x12, 0x34, 0xAB)
        << QByteArray("p { color: #1234AB; }\n");
    QTest::addRow("rgb() inside <style> stays rgb(), through insertColorCode")
        << u"p.html"_s << QByteArray("<style>\n.a { background: rgb(0, 0, 0) }\n</style>\n") << u"rgb(0, 0, 0)"_s
        << false << QColor(10, 20, 30) << QByteArray("<style>\n.a { background: rgb(10, 20, 30) }\n</style>\n");
    QTest::addRow("a legacy bgcolor's bare digits, swatch clicked")
        << u"old.htm"_s << QByteArray("<BODY bgcolor=\"FFFFFF\" text=black>\n") << u"FFFFFF"_s << true
        << QColor(0, 0, 0x80) << QByteArray("<BODY bgcolor=\"000080\" text=black>\n");
    QTest::addRow("a named colour in style=\"…\" becomes the new colour's name")
        << u"n.html"_s << QByteArray("<p style=\"color: red\">x</p>\n") << u"red"_s << false << QColor(0, 0x80, 0x80)
        << QByteArray("<p style=\"color: teal\">x</p>\n");
    QTest::addRow("a stylesheet's short hex stays short, swatch clicked")
        << u"t.css"_s << QByteArray("a{border:1px solid #fff}\n") << u"#fff"_s << true << QColor(0x11, 0x22, 0x33)
        << QByteArray("a{border:1px solid #123}\n");
}

// The value's bytes once the dialog answers, saved; one undo takes it back.
void TestColorChange::changesTheValue()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, page);
    QFETCH(QString, value);
    QFETCH(bool, click);
    QFETCH(QColor, chosen);
    QFETCH(QByteArray, expected);

    trigger(u"syntaxColoring"_s);
    const QString path = writePage(name, page);
    QVERIFY(m_window->documentFiles()->openPath(path));
    const qsizetype at = QString::fromUtf8(page).indexOf(value);
    QVERIFY(at >= 0);
    m_dialogs.colors = {chosen};

    if (click) {
        HtmlHighlighter::Swatch found{};
        QTRY_VERIFY([&] {
            for (const HtmlHighlighter::Swatch &swatch : highlighter()->visibleSwatches()) {
                if (swatch.position == at) {
                    found = swatch;
                    return true;
                }
            }
            return false;
        }());
        QCOMPARE(found.text, value);
        QTest::mouseClick(m_window->source()->viewport(), Qt::LeftButton, {}, found.rect.center());
    } else {
        QTextCursor cursor = m_window->source()->textCursor();
        cursor.setPosition(int(at) + 2);
        m_window->source()->setTextCursor(cursor);
        trigger(u"insertColorCode"_s);
    }

    QCOMPARE(m_dialogs.offeredColors.size(), 1);
    trigger(u"overwriteSave"_s);
    QCOMPARE(bytesOf(path), expected);

    trigger(u"editUndo"_s);
    QCOMPARE(PageText(m_window->source()).all().toUtf8(), page);
}

void TestColorChange::cancelChangesNothing()
{
    trigger(u"syntaxColoring"_s);
    QVERIFY(m_window->documentFiles()->openPath(writePage(u"c.css"_s, "a { color: #336699 }\n")));
    m_window->commonDialog()->setColor(0x1000FF);
    QTextCursor cursor = m_window->source()->textCursor();
    cursor.setPosition(13);
    m_window->source()->setTextCursor(cursor);
    trigger(u"insertColorCode"_s);

    // The dialog opened on the page's colour, and was cancelled.
    QCOMPARE(m_dialogs.offeredColors, QList<QColor>{QColor(0x33, 0x66, 0x99)});
    QCOMPARE(PageText(m_window->source()).all(), u"a { color: #336699 }\n"_s);
    QVERIFY(!m_window->source()->document()->isModified());
    // The colour command opens on its own last colour as before.
    QCOMPARE(m_window->commonDialog()->color(), 0x1000FFu);
}

void TestColorChange::designedInsertionElsewhere_data()
{
    QTest::addColumn<bool>("colouring");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");

    QTest::addRow("colouring off, caret on a colour: the code goes in at the caret")
        << false << 12 << u"a { color: ##00FF00336699 }"_s;
    QTest::addRow("colouring on, caret away from any colour: the code goes in at the caret")
        << true << 1 << u"a#00FF00 { color: #336699 }"_s;
}

void TestColorChange::designedInsertionElsewhere()
{
    QFETCH(bool, colouring);
    QFETCH(int, caret);
    QFETCH(QString, expected);

    if (colouring)
        trigger(u"syntaxColoring"_s);
    QVERIFY(m_window->documentFiles()->openPath(writePage(u"d.css"_s, "a { color: #336699 }")));
    m_dialogs.colors = {QColor(0, 255, 0)};
    QTextCursor cursor = m_window->source()->textCursor();
    cursor.setPosition(caret);
    m_window->source()->setTextCursor(cursor);
    trigger(u"insertColorCode"_s);
    QCOMPARE(PageText(m_window->source()).all(), expected);
}

QTEST_MAIN(TestColorChange)
#include "tst_colorchange.moc"
