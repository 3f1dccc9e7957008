// SPDX-License-Identifier: GPL-3.0-or-later
// What one Insert writes over the selection and where it leaves the caret,
// with the options of the settings page 挿入.
#include "core/palette/insertion.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestInsertion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shape_data();
    void shape();
};

void TestInsertion::shape_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("caret");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAt");

    const QString bold = u"<B></B>"_s;
    const QString link = u"<A href=''></A>"_s;
    const QString para = u"<P align=''>"_s;
    const QString page = u"<HTML>\r\n<BODY>\r\n</BODY></HTML>"_s;

    QTest::addRow("options off: the selection is replaced, caret after")
        << bold << u"word"_s << false << false << bold << 7;
    QTest::addRow("wrap, end tag: the word goes between the tags, caret after the end tag")
        << bold << u"word"_s << true << false << u"<B>word</B>"_s << 11;
    QTest::addRow("wrap, no end tag: written in front of the word, which stays")
        << u"<BR>"_s << u"word"_s << true << false << u"<BR>word"_s << 8;
    QTest::addRow("wrap, empty selection: the markup alone")
        << bold << QString() << true << false << bold << 7;
    QTest::addRow("wrap, multi-line selection")
        << u"<BLOCKQUOTE></BLOCKQUOTE>"_s << u"one\ntwo"_s << true << false
        << u"<BLOCKQUOTE>one\ntwo</BLOCKQUOTE>"_s << 32;
    QTest::addRow("wrap, nested elements: the innermost empty pair takes the word")
        << u"<UL><LI></LI></UL>"_s << u"item"_s << true << false << u"<UL><LI>item</LI></UL>"_s << 22;
    QTest::addRow("caret: into the first empty value")
        << u"<TD align='' valign=''></TD>"_s << QString() << false << true << u"<TD align='' valign=''></TD>"_s << 11;
    QTest::addRow("caret: between the tags when no value is empty")
        << bold << QString() << false << true << bold << 3;
    QTest::addRow("caret: after the markup when it has neither")
        << u"<BR>"_s << QString() << false << true << u"<BR>"_s << 4;
    QTest::addRow("caret: into a double-quoted empty value")
        << u"<p align=\"\">"_s << QString() << false << true << u"<p align=\"\">"_s << 10;
    QTest::addRow("caret and wrap: into the link's address, the word inside")
        << link << u"word"_s << true << true << u"<A href=''>word</A>"_s << 9;
    QTest::addRow("caret and wrap, no value: after the wrapped word")
        << bold << u"word"_s << true << true << u"<B>word</B>"_s << 7;
    QTest::addRow("caret and wrap, no end tag: into the value, the word after")
        << para << u"word"_s << true << true << u"<P align=''>word"_s << 10;
    QTest::addRow("caret counts a CR LF as one character")
        << u"<DL>\r\n<DT></DT></DL>"_s << QString() << false << true << u"<DL>\r\n<DT></DT></DL>"_s << 9;
    QTest::addRow("caret after a page skeleton, line ends counted once")
        << page << QString() << false << true << page << 28;
}

void TestInsertion::shape()
{
    QFETCH(QString, markup);
    QFETCH(QString, selected);
    QFETCH(bool, wrap);
    QFETCH(bool, caret);
    QFETCH(QString, text);
    QFETCH(int, caretAt);

    InsertOptions options;
    options.wrapSelection = wrap;
    options.caretIntoValue = caret;
    const Insertion insertion = shapeInsertion(markup, selected, options);
    QCOMPARE(insertion.text, text);
    QCOMPARE(insertion.caret, qsizetype(caretAt));
}

QTEST_APPLESS_MAIN(TestInsertion)
#include "tst_insertion.moc"
