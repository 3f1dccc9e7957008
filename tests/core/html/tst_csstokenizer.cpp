// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/csstokenizer.h"
#include "describespans.h"

#include <QTest>

using namespace Qt::StringLiterals;

static QString kindName(CssToken token)
{
    constexpr const char *names[] = {"selector", "property", "value", "number",    "string",
                                     "comment",  "at",       "important", "colour", "function"};
    return QString::fromLatin1(names[std::size_t(token)]);
}

static QStringList tokenize(const QString &text, CssLineState start = {})
{
    return describeSpans<CssToken>(
        text, start, [](QStringView line, CssLineState state, QList<CssSpan> *spans) { return tokenizeCssLine(line, state, spans); },
        kindName);
}

class TestCssTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("a rule on one line: selector, property, keyword, number with a unit")
            << u"h1 > a:hover { border: 1px solid; }"_s
            << QStringList{u"0:selector:h1 > a:hover"_s, u"0:property:border"_s, u"0:number:1px"_s, u"0:value:solid"_s};
        QTest::addRow("a rule over lines, the selector list on two")
            << u"h1,\nh2 {\n  margin: 0 auto;\n  line-height: 1.5;\n}\np { color: red }"_s
            << QStringList{u"0:selector:h1,"_s,          u"1:selector:h2"_s,        u"2:property:margin"_s,
                           u"2:number:0"_s,              u"2:value:auto"_s,         u"3:property:line-height"_s,
                           u"3:number:1.5"_s,            u"5:selector:p"_s,         u"5:property:color"_s,
                           u"5:colour:red"_s};
        QTest::addRow("colours in hexadecimal of every length, and a named one in any case")
            << u"a{color:#FFF;background:#1a2b3c80;border-color:#abcd #12345 RebeccaPurple}"_s
            << QStringList{u"0:selector:a"_s,        u"0:property:color"_s,        u"0:colour:#FFF"_s,
                           u"0:property:background"_s, u"0:colour:#1a2b3c80"_s,    u"0:property:border-color"_s,
                           u"0:colour:#abcd"_s,      u"0:colour:RebeccaPurple"_s};
        QTest::addRow("a comment across lines hides the rule inside it")
            << u"/* old:\np { color: red }\n*/ b { }"_s
            << QStringList{u"0:comment:/* old:"_s, u"1:comment:p { color: red }"_s, u"2:comment:*/"_s, u"2:selector:b"_s};
        QTest::addRow("functions url(), var(), calc(), an unquoted url and negative and percent numbers")
            << u".x { background: url(img/a.png); width: calc(100% - var(--gap)); margin: -.5em; }"_s
            << QStringList{u"0:selector:.x"_s,     u"0:property:background"_s, u"0:function:url"_s,
                           u"0:string:img/a.png"_s, u"0:property:width"_s,    u"0:function:calc"_s,
                           u"0:number:100%"_s,     u"0:function:var"_s,       u"0:value:--gap"_s,
                           u"0:property:margin"_s, u"0:number:-.5em"_s};
        QTest::addRow("!important, with and without a space")
            << u"p{color:blue!important;margin:0 ! important}"_s
            << QStringList{u"0:selector:p"_s, u"0:property:color"_s, u"0:colour:blue"_s, u"0:important:!important"_s,
                           u"0:property:margin"_s, u"0:number:0"_s, u"0:important:! important"_s};
        QTest::addRow("strings with quotes of the other kind and an escape inside")
            << u"q::before { content: \"it's \\\"x\\\"\"; font-family: 'MS Gothic', serif }"_s
            << QStringList{u"0:selector:q::before"_s, u"0:property:content"_s, u"0:string:\"it's \\\"x\\\"\""_s,
                           u"0:property:font-family"_s, u"0:string:'MS Gothic'"_s, u"0:value:serif"_s};
        QTest::addRow("at-rules: @import, then @media whose block holds rules")
            << u"@import url(\"base.css\") screen;\n@media (max-width: 600px) {\n  nav a { display: none }\n}"_s
            << QStringList{u"0:at:@import"_s,      u"0:function:url"_s,   u"0:string:\"base.css\""_s,
                           u"0:value:screen"_s,    u"1:at:@media"_s,       u"1:value:max-width"_s,
                           u"1:number:600px"_s,    u"2:selector:nav a"_s,  u"2:property:display"_s,
                           u"2:value:none"_s};
        QTest::addRow("@font-face holds declarations")
            << u"@font-face {\n  font-family: Gothic;\n  src: local(\"Gothic\");\n}"_s
            << QStringList{u"0:at:@font-face"_s, u"1:property:font-family"_s, u"1:value:Gothic"_s,
                           u"2:property:src"_s, u"2:function:local"_s, u"2:string:\"Gothic\""_s};
        QTest::addRow("a value over lines stays a value until its semicolon")
            << u"div {\n  grid-template-areas:\n    \"head head\"\n    \"nav main\";\n  gap: 4px;\n}"_s
            << QStringList{u"0:selector:div"_s,        u"1:property:grid-template-areas"_s, u"2:string:\"head head\""_s,
                           u"3:string:\"nav main\""_s, u"4:property:gap"_s,                 u"4:number:4px"_s};
        QTest::addRow("rgb() and hsl() are functions with numbers inside")
            << u"a { color: rgb(255 0 0 / 50%); background: hsl(120deg, 50%, 25%) }"_s
            << QStringList{u"0:selector:a"_s,     u"0:property:color"_s,      u"0:function:rgb"_s,
                           u"0:number:255"_s,     u"0:number:0"_s,            u"0:number:0"_s,
                           u"0:number:50%"_s,     u"0:property:background"_s, u"0:function:hsl"_s,
                           u"0:number:120deg"_s,  u"0:number:50%"_s,          u"0:number:25%"_s};
        QTest::addRow("a nested rule inside a block is a selector")
            << u".card { padding: 1em; &:hover { color: navy } }"_s
            << QStringList{u"0:selector:.card"_s, u"0:property:padding"_s, u"0:number:1em"_s, u"0:selector:&:hover"_s,
                           u"0:property:color"_s, u"0:colour:navy"_s};
        QTest::addRow("keyframe selectors and a hash that is no colour")
            << u"@keyframes spin {\n  from { transform: rotate(0turn) }\n  50% { x: #ggg }\n}"_s
            << QStringList{u"0:at:@keyframes"_s,      u"0:value:spin"_s,      u"1:selector:from"_s,
                           u"1:property:transform"_s, u"1:function:rotate"_s, u"1:number:0turn"_s,
                           u"2:selector:50%"_s,       u"2:property:x"_s};
        QTest::addRow("minified: rules and declarations with no spaces")
            << u"a{color:red}b,i{margin:0;padding:2px}"_s
            << QStringList{u"0:selector:a"_s,      u"0:property:color"_s, u"0:colour:red"_s,
                           u"0:selector:b,i"_s,    u"0:property:margin"_s, u"0:number:0"_s,
                           u"0:property:padding"_s, u"0:number:2px"_s};
    }

    void spans()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(tokenize(text), expected);
    }

    // A style attribute's value starts among declarations.
    void declarationsAlone()
    {
        QCOMPARE(tokenize(u"color: #c00; font-weight: bold"_s, CssLineState(CssLineState::Context::Declarations)),
                 (QStringList{u"0:property:color"_s, u"0:colour:#c00"_s, u"0:property:font-weight"_s, u"0:value:bold"_s}));
    }

    void endStates_data()
    {
        using Context = CssLineState::Context;
        using Inside = CssLineState::Inside;
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("context");
        QTest::addColumn<int>("inside");

        QTest::addRow("a closed rule ends among rules") << u"p { color: red }"_s << false << int(Context::Rules) << int(Inside::Nothing);
        QTest::addRow("an open block ends among declarations") << u"p {"_s << false << int(Context::Declarations) << int(Inside::Nothing);
        QTest::addRow("after a property's colon, in its value") << u"p { margin:"_s << false << int(Context::Value) << int(Inside::Nothing);
        QTest::addRow("an open comment") << u"p { /* note"_s << false << int(Context::Declarations) << int(Inside::Comment);
        QTest::addRow("a string open at a line end is closed by it") << u"a { content: \"x"_s << false << int(Context::Value) << int(Inside::Nothing);
        QTest::addRow("a string open where a long line goes on stays open") << u"a { font-family: \"MS"_s << true << int(Context::Value) << int(Inside::DoubleQuoted);
        QTest::addRow("an at-rule's prelude going on") << u"@media screen and"_s << false << int(Context::AtRule) << int(Inside::Nothing);
    }

    void endStates()
    {
        QFETCH(QString, line);
        QFETCH(bool, goesOn);
        QFETCH(int, context);
        QFETCH(int, inside);
        const CssLineState end = tokenizeCssLine(line, {}, nullptr, goesOn);
        QCOMPARE(int(end.context()), context);
        QCOMPARE(int(end.inside()), inside);
        QVERIFY(end.toByte() < 16);
        QCOMPARE(CssLineState::fromByte(end.toByte()), end);
    }

    void stringGoesOnIntoTheNextPiece()
    {
        const CssLineState end = tokenizeCssLine(u"a{font-family:\"MS"_s, {}, nullptr, true);
        QList<CssSpan> spans;
        tokenizeCssLine(u"Gothic\",serif}"_s, end, &spans);
        QCOMPARE(spans.first(), (CssSpan{0, 7, CssToken::String}));
        QCOMPARE(spans.last(), (CssSpan{8, 5, CssToken::Value}));
    }
};

QTEST_APPLESS_MAIN(TestCssTokenizer)
#include "tst_csstokenizer.moc"
