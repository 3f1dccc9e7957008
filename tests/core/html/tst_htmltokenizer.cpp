// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/htmltokenizer.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Spans written as "line:kind:text", one per span, so that a failing row shows
// what was coloured how.
static QString kindName(HtmlToken token)
{
    switch (token) {
    case HtmlToken::Tag:
        return u"tag"_s;
    case HtmlToken::AttributeName:
        return u"name"_s;
    case HtmlToken::AttributeValue:
        return u"value"_s;
    case HtmlToken::Comment:
        return u"comment"_s;
    case HtmlToken::Declaration:
        return u"decl"_s;
    case HtmlToken::CharacterReference:
        return u"ref"_s;
    case HtmlToken::Script:
        return u"script"_s;
    case HtmlToken::Style:
        return u"style"_s;
    }
    return u"?"_s;
}

static QStringList tokenize(const QString &text)
{
    QStringList described;
    HtmlLineState state;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QList<HtmlSpan> spans;
        const HtmlLineState end = tokenizeHtmlLine(lines[i], state, &spans);
        // Following the state alone must agree with tokenizing.
        if (tokenizeHtmlLine(lines[i], state) != end)
            described << u"state-only pass disagrees on line %1"_s.arg(i);
        int previousEnd = 0;
        for (const HtmlSpan &span : std::as_const(spans)) {
            if (span.start < previousEnd || span.length <= 0 || span.start + span.length > lines[i].size())
                described << u"bad span on line %1"_s.arg(i);
            previousEnd = span.start + span.length;
            described << u"%1:%2:%3"_s.arg(i).arg(kindName(span.token), lines[i].mid(span.start, span.length));
        }
        state = end;
    }
    return described;
}

class TestHtmlTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("plain text has no spans") << u"本日は晴天なり a < b"_s << QStringList{};
        QTest::addRow("upper-case legacy table with a single-quoted value")
            << u"<TABLE width='80%'>"_s
            << QStringList{u"0:tag:<TABLE"_s, u"0:name:width"_s, u"0:value:'80%'"_s, u"0:tag:>"_s};
        QTest::addRow("end tag, text and a double-quoted and an unquoted value")
            << u"<a href=\"x.html\" target=_top>戻る</a>"_s
            << QStringList{u"0:tag:<a"_s, u"0:name:href"_s, u"0:value:\"x.html\""_s, u"0:name:target"_s,
                           u"0:value:_top"_s, u"0:tag:>"_s, u"0:tag:</a"_s, u"0:tag:>"_s};
        QTest::addRow("attribute without a value and a self-closing end")
            << u"<INPUT checked />"_s << QStringList{u"0:tag:<INPUT"_s, u"0:name:checked"_s, u"0:tag:/>"_s};
        QTest::addRow("character references named, decimal and hexadecimal; a lone ampersand is text")
            << u"&amp; &#160; &#x3042; & &nbsp"_s
            << QStringList{u"0:ref:&amp;"_s, u"0:ref:&#160;"_s, u"0:ref:&#x3042;"_s};
        QTest::addRow("doctype")
            << u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"_s
            << QStringList{u"0:decl:<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"_s};
        QTest::addRow("comment on one line between tags")
            << u"<BR><!--ここに本文--><P>"_s
            << QStringList{u"0:tag:<BR"_s, u"0:tag:>"_s, u"0:comment:<!--ここに本文-->"_s, u"0:tag:<P"_s, u"0:tag:>"_s};
        QTest::addRow("comment over three lines hides the tags inside it")
            << u"a<!-- one\n<P>two\nthree -->b<B>"_s
            << QStringList{u"0:comment:<!-- one"_s, u"1:comment:<P>two"_s, u"2:comment:three -->"_s, u"2:tag:<B"_s,
                           u"2:tag:>"_s};
        QTest::addRow("tag over several lines, attributes on the following lines")
            << u"<IMG\n  src='a.gif'\n  alt=\"絵\">text"_s
            << QStringList{u"0:tag:<IMG"_s, u"1:name:src"_s, u"1:value:'a.gif'"_s, u"2:name:alt"_s, u"2:value:\"絵\""_s,
                           u"2:tag:>"_s};
        QTest::addRow("attribute value over two lines keeps its quote")
            << u"<p title=\"one\ntwo > three\" id=x>"_s
            << QStringList{u"0:tag:<p"_s, u"0:name:title"_s, u"0:value:\"one"_s, u"1:value:two > three\""_s,
                           u"1:name:id"_s, u"1:value:x"_s, u"1:tag:>"_s};
        QTest::addRow("script contents are not markup, upper-case end tag ends them")
            << u"<SCRIPT type=\"text/javascript\">\nif (a < b && c) document.write('<p>');\n</SCRIPT><p>"_s
            << QStringList{u"0:tag:<SCRIPT"_s, u"0:name:type"_s, u"0:value:\"text/javascript\""_s, u"0:tag:>"_s,
                           u"1:script:if (a < b && c) document.write('<p>');"_s, u"2:tag:</SCRIPT"_s, u"2:tag:>"_s,
                           u"2:tag:<p"_s, u"2:tag:>"_s};
        QTest::addRow("a comment opener inside a script is script")
            << u"<script><!--\nx = 1;\n//--></script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:tag:>"_s, u"0:script:<!--"_s, u"1:script:x = 1;"_s,
                           u"2:script://-->"_s, u"2:tag:</script"_s, u"2:tag:>"_s};
        QTest::addRow("\"</scripts\" does not end a script")
            << u"<script>a='</scripts>';</script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:tag:>"_s, u"0:script:a='</scripts>';"_s, u"0:tag:</script"_s,
                           u"0:tag:>"_s};
        QTest::addRow("style contents over lines")
            << u"<style>\nP { color: red }\n</style>"_s
            << QStringList{u"0:tag:<style"_s, u"0:tag:>"_s, u"1:style:P { color: red }"_s, u"2:tag:</style"_s,
                           u"2:tag:>"_s};
        QTest::addRow("a script start tag over two lines still opens a script")
            << u"<script\nlanguage=\"JavaScript\">var a = '<b>';"_s
            << QStringList{u"0:tag:<script"_s, u"1:name:language"_s, u"1:value:\"JavaScript\""_s, u"1:tag:>"_s,
                           u"1:script:var a = '<b>';"_s};
        QTest::addRow("an end tag named script does not open a script")
            << u"</script><b>"_s << QStringList{u"0:tag:</script"_s, u"0:tag:>"_s, u"0:tag:<b"_s, u"0:tag:>"_s};
    }

    void spans()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(tokenize(text), expected);
    }

    void endStates_data()
    {
        using Mode = HtmlLineState::Mode;
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("mode");

        QTest::addRow("closed markup ends in text") << u"<p>a</p>"_s << int(Mode::Text);
        QTest::addRow("open comment") << u"x <!-- y"_s << int(Mode::Comment);
        QTest::addRow("open tag") << u"<TD align='center'"_s << int(Mode::Tag);
        QTest::addRow("open doctype") << u"<!DOCTYPE html"_s << int(Mode::Declaration);
        QTest::addRow("after a script start tag") << u"<SCRIPT>"_s << int(Mode::Script);
        QTest::addRow("after a style start tag") << u"<STYLE type=\"text/css\">"_s << int(Mode::Style);
    }

    void endStates()
    {
        QFETCH(QString, line);
        QFETCH(int, mode);
        const HtmlLineState end = tokenizeHtmlLine(line, {});
        QCOMPARE(int(end.mode()), mode);
        QCOMPARE(HtmlLineState::fromByte(end.toByte()), end);
    }
};

QTEST_APPLESS_MAIN(TestHtmlTokenizer)
#include "tst_htmltokenizer.moc"
