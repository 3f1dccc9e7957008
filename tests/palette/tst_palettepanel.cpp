// SPDX-License-Identifier: GPL-3.0-or-later
// Every tag of every category through the real window: what choosing it
// shows, and what Insert writes into the editor.
#include "controls.h"
#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "core/palette/catalogue.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPalettePanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void everyTag_data();
    void everyTag();
    void everyTagReadsEveryShownControl_data() { everyTag_data(); }
    void everyTagReadsEveryShownControl();

private:
    template<typename T>
    T *control(const QString &name) { return ::control<T>(m_window, name); }
    ComboBox *combo(const QString &name) { return control<ComboBox>(name); }
    QCheckBox *check(int n) { return control<QCheckBox>(u"Check%1"_s.arg(n)); }
    QLabel *label(int n) { return control<QLabel>(u"Label%1"_s.arg(n)); }
    ComboBox *attribute(int n) { return combo(u"zokusei%1"_s.arg(n)); }

    void chooseTag(int kind, int tagu)
    {
        pick(combo(u"kind"_s), kind);
        pick(combo(u"tagu"_s), tagu);
    }
    // Inserts over a selected "sel" between brackets and returns what came between them.
    QString insertOverSelection()
    {
        SourceEditor *source = m_window->source();
        source->setPlainText(u"[sel]"_s);
        QTextCursor cursor = source->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        source->setTextCursor(cursor);
        QTest::mouseClick(control<QPushButton>(u"sounyuu"_s), Qt::LeftButton);
        const QString text = source->toPlainText();
        if (!text.startsWith(u'[') || !text.endsWith(u']') || source->textCursor().position() != text.size() - 1)
            return u"caret or brackets misplaced: "_s + text;
        return text.mid(1, text.size() - 2);
    }

    MainWindow *m_window = nullptr;
};

void TestPalettePanel::initTestCase()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPalettePanel::cleanupTestCase()
{
    delete m_window;
}

void TestPalettePanel::everyTag_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    QTest::addColumn<QString>("offered"); // Insert right after choosing the tag; line ends as the editor holds them

    const QStringList offered[] = {
        {u"<HTML><HEAD><TITLE>タイトル</TITLE>\n</HEAD>\n<BODY>\n\n<!--ここに本文-->\n\n</BODY></HTML>"_s, u"<HR align=''>"_s},
        {u"<H align=''></H>"_s, u"<P align=''>"_s, u"<BR>"_s, u"<NOBR></NOBR>"_s, u"<DIV align=''>"_s,
         u"<CENTER></CENTER>"_s, u"<PRE></PRE>"_s, u"<BLOCKQUOTE></BLOCKQUOTE>"_s, u"<MARQUEE behavior='' direction=''>"_s},
        {u"<FONT>"_s, u"<B></B>"_s, u"<I></I>"_s, u"<STRIKE></STRIKE>"_s, u"<TT></TT>"_s, u"<U></U>"_s, u"<SUP></SUP>"_s,
         u"<SUB></SUB>"_s, u"<BIG></BIG>"_s, u"<SMALL></SMALL>"_s, u"<EM></EM>"_s, u"<STRONG></STRONG>"_s, QString()},
        {QString(), QString(), QString()},
        {u"<IMG src='' align=''>"_s, u"<BR clear='all'>"_s},
        {u"<A href=''></A>"_s, u"<A name=''>"_s, u"<A href='mailto:メールアドレス'>"_s},
        {u"<FORM></FORM>"_s, u"<INPUT type=''>"_s, u"<TEXTAREA wrap=''></TEXTAREA>"_s,
         u"<INPUT type='hidden' value=''>"_s, u"<INPUT type='radio' value=''>"_s, u"<INPUT type='checkbox' value=''>"_s,
         u"<INPUT type='submit' value=''>"_s, u"<INPUT type='image' src='' align=''>"_s, u"<BR clear='all'>"_s,
         u"<INPUT type='reset' value=''>"_s, u"<INPUT type='button' value=''>"_s, u"<BUTTON type=''></BUTTON>"_s,
         QString(), QString(), u"<FIELDSET></FIELDSET>"_s},
        {u"<TABLE frame='' rules=''></TABLE>"_s, u"<BR clear='all'>"_s, u"<TR align='' valign=''></TR>"_s,
         u"<TD align='' valign=''></TD>"_s, u"<TH align='' valign=''></TH>"_s, u"<CAPTION></CAPTION>"_s, QString(),
         u"<COLGROUP span=''></COLGROUP>"_s, u"<COL span=''></COL>"_s},
        {u"<FRAMESET frameborder=''></FRAMESET>"_s, u"<FRAME src='' frameborder='' scrolling=''></FRAME>"_s,
         u"<NOFRAMES></NOFRAMES>"_s, u"<IFRAME src='' scrolling='' frameborder='' align=''></IFRAME>"_s},
        {u"<EMBED src=''>"_s, u"<NOEMBED></NOEMBED>"_s},
        {QString(), QString(), u"JavaScript:void(0)"_s},
    };

    const auto categories = catalogue();
    QCOMPARE(std::size(offered), categories.size());
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        QCOMPARE(offered[kind].size(), qsizetype(categories[kind].tags.size()));
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            QTest::addRow("%s / %s", qPrintable(categories[kind].name.toString()),
                          qPrintable(categories[kind].tags[tagu].label.toString()))
                << kind << tagu << offered[kind][tagu];
        }
    }
}

void TestPalettePanel::everyTag()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    QFETCH(QString, offered);

    chooseTag(kind, tagu);
    const Tag &tag = catalogue()[kind].tags[tagu];
    QCOMPARE(combo(u"tagu"_s)->currentText(), tag.label.toString());

    for (int n = 1; n <= 12; ++n) {
        const QStringView caption = std::size_t(n) <= tag.checks.size() ? tag.checks[n - 1].caption : QStringView();
        QCOMPARE(check(n)->isVisible(), !caption.isEmpty());
        if (!caption.isEmpty())
            QCOMPARE(check(n)->text(), caption.toString());
        QCOMPARE(check(n)->isChecked(), bool(tag.ticked & box(n)));
    }
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(label(n)->isVisible(), !tag.labels[n - 1].isEmpty());
        if (!tag.labels[n - 1].isEmpty())
            QCOMPARE(label(n)->text(), tag.labels[n - 1].toString());
        const Choices choices = tag.combos[n - 1];
        QCOMPARE(attribute(n)->isVisible(), !choices.empty());
        QStringList items;
        for (int i = 0; i < attribute(n)->count(); ++i)
            items << attribute(n)->itemText(i);
        QStringList expectedItems;
        for (const Choice &choice : choices)
            expectedItems << choice.item.toString();
        QCOMPARE(items, expectedItems);
        QCOMPARE(attribute(n)->listIndex(), -1);
        QCOMPARE(attribute(n)->currentText(), QString());
    }
    QVERIFY(control<QPushButton>(u"sounyuu"_s)->isEnabled());

    QCOMPARE(insertOverSelection(), offered);
    QVERIFY(m_window->source()->hasFocus() || !m_window->isActiveWindow());
}

// Every shown box ticked and every shown combo at its last item: the window
// reads each control into the state the markup is built from.
void TestPalettePanel::everyTagReadsEveryShownControl()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);

    chooseTag(kind, tagu);
    PaletteState state;
    for (int n = 1; n <= 12; ++n) {
        if (check(n)->isVisible()) {
            check(n)->setChecked(true);
            state.checks[n - 1] = true;
        }
    }
    for (int n = 1; n <= 3; ++n) {
        if (attribute(n)->isVisible()) {
            pick(attribute(n), attribute(n)->count() - 1);
            state.combos[n - 1] = attribute(n)->count() - 1;
        }
    }
    const auto expected = paletteMarkup(kind, tagu, state);
    QVERIFY(expected);
    QString inEditor = *expected;
    inEditor.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(insertOverSelection(), inEditor);
}

QTEST_MAIN(TestPalettePanel)
#include "tst_palettepanel.moc"
