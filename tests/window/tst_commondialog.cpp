// SPDX-License-Identifier: GPL-3.0-or-later
// The shared dialog: what one use leaves is where the next starts, and a
// cancelled dialog leaves everything as it was.
#include "window/commondialog.h"
#include "core/document/filefilter.h"
#include "scripteddialogs.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCommonDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void nameFilters_data();
    void nameFilters();
    void fileNameLinksTheDialogs();
    void cancelKeepsEverything();
    void fontStartsFromTheLastChoice();
    void colourIsKeptRedInTheLowestByte();

private:
    QWidget *m_owner = nullptr;
    CommonDialog *m_dialog = nullptr;
    DialogScript m_script;
};

void TestCommonDialog::init()
{
    m_owner = new QWidget;
    m_dialog = new CommonDialog(m_owner);
    m_script = {};
    m_dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_script));
}

void TestCommonDialog::cleanup()
{
    delete m_owner;
}

void TestCommonDialog::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("the program's three filters")
        << u"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|TEXTﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*"_s
        << QStringList{u"HTMLﾌｧｲﾙ(*.html;*.htm) (*.html *.htm)"_s, u"TEXTﾌｧｲﾙ(*.txt) (*.txt)"_s,
                       u"すべてのﾌｧｲﾙ(*.*) (*.*)"_s};
    QTest::addRow("empty") << QString() << QStringList{};
    QTest::addRow("a description without patterns is dropped") << u"A|*.a|B"_s << QStringList{u"A (*.a)"_s};
}

void TestCommonDialog::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(nameFiltersFrom(filter), expected);
}

void TestCommonDialog::fileNameLinksTheDialogs()
{
    m_dialog->setFilter(u"HTML|*.html|All|*.*"_s);
    m_script.opens << u"/tmp/a.htm"_s;
    QVERIFY(m_dialog->showOpen());
    QCOMPARE(m_dialog->fileName(), u"/tmp/a.htm"_s);
    QCOMPARE(m_script.filters, (QStringList{u"HTML (*.html)"_s, u"All (*.*)"_s}));

    m_script.saves << u"/tmp/b.htm"_s;
    QVERIFY(m_dialog->showSave());
    QCOMPARE(m_script.offeredSave.value(0), u"/tmp/a.htm"_s);
    QCOMPARE(m_dialog->property("FileName").toString(), u"/tmp/b.htm"_s);
}

void TestCommonDialog::cancelKeepsEverything()
{
    m_dialog->setFileName(u"/tmp/kept.htm"_s);
    m_dialog->setFontName(u"kept"_s);
    m_dialog->setFontSize(12);
    m_dialog->setColor(0x102030);
    QVERIFY(!m_dialog->showOpen());
    QVERIFY(!m_dialog->showSave());
    QVERIFY(!m_dialog->showFont());
    QVERIFY(!m_dialog->showColor());
    QCOMPARE(m_dialog->fileName(), u"/tmp/kept.htm"_s);
    QCOMPARE(m_dialog->fontName(), u"kept"_s);
    QCOMPARE(m_dialog->fontSize(), 12.0);
    QCOMPARE(m_dialog->color(), 0x102030u);
}

void TestCommonDialog::fontStartsFromTheLastChoice()
{
    m_dialog->setFontName(u"ＭＳ　Ｐゴシック"_s);
    m_dialog->setFontSize(10);
    m_script.fonts << CommonDialog::Font{u"IPAGothic"_s, 10.5};
    QVERIFY(m_dialog->showFont());
    QCOMPARE(m_script.offeredFonts.value(0).name, u"ＭＳ　Ｐゴシック"_s);
    QCOMPARE(m_script.offeredFonts.value(0).size, 10.0);
    m_script.fonts << std::nullopt;
    QVERIFY(!m_dialog->showFont());
    QCOMPARE(m_script.offeredFonts.value(1).name, u"IPAGothic"_s);
    QCOMPARE(m_script.offeredFonts.value(1).size, 10.5);
}

void TestCommonDialog::colourIsKeptRedInTheLowestByte()
{
    QVERIFY(!m_dialog->showColor());
    QCOMPARE(m_script.offeredColors.value(0), QColor(0, 0, 0)); // black before the first choice
    m_script.colors << QColor(0xFF, 0x00, 0x10);
    QVERIFY(m_dialog->showColor());
    QCOMPARE(m_dialog->color(), 0x1000FFu);
    m_script.colors << std::nullopt;
    QVERIFY(!m_dialog->showColor());
    QCOMPARE(m_script.offeredColors.value(2), QColor(0xFF, 0x00, 0x10));
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
