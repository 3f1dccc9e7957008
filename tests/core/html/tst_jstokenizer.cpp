// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/jstokenizer.h"
#include "describespans.h"

#include <QTest>

using namespace Qt::StringLiterals;

static QString kindName(JsToken token)
{
    constexpr const char *names[] = {"keyword", "string", "template", "comment", "number", "regex"};
    return QString::fromLatin1(names[std::size_t(token)]);
}

static QString jsonName(JsonToken token)
{
    constexpr const char *names[] = {"key", "string", "number", "literal"};
    return QString::fromLatin1(names[std::size_t(token)]);
}

static QStringList tokenize(const QString &text)
{
    return describeSpans<JsToken>(
        text, JsLineState(),
        [](QStringView line, JsLineState state, QList<JsSpan> *spans) { return tokenizeJsLine(line, state, spans); },
        kindName);
}

class TestJsTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("keywords, a string and a number; names are not coloured")
            << u"function show(id) { return document.getElementById('m' + id).value * 2; }"_s
            << QStringList{u"0:keyword:function"_s, u"0:keyword:return"_s, u"0:string:'m'"_s, u"0:number:2"_s};
        QTest::addRow("a keyword after a dot is a property name")
            << u"const x = promise.catch(f).default;"_s << QStringList{u"0:keyword:const"_s};
        QTest::addRow("a line comment, and a block comment across lines")
            << u"let a = 1; // one\n/* two\n   three */ a++;"_s
            << QStringList{u"0:keyword:let"_s, u"0:number:1"_s, u"0:comment:// one"_s, u"1:comment:/* two"_s,
                           u"2:comment:   three */"_s};
        QTest::addRow("a regex after ( and after =, with a slash inside a class")
            << u"s.replace(/[/\\\\]+/g, '/'); var r = /a\\/b/i;"_s
            << QStringList{u"0:regex:/[/\\\\]+/g"_s, u"0:string:'/'"_s, u"0:keyword:var"_s, u"0:regex:/a\\/b/i"_s};
        QTest::addRow("a slash after a name, a number or ) divides")
            << u"x = a / b / 2; y = (a + 1) / 3 / c;"_s
            << QStringList{u"0:number:2"_s, u"0:number:1"_s, u"0:number:3"_s};
        QTest::addRow("a regex after return and at the start of a line after an operator")
            << u"if (ok) return /^\\d+$/.test(s);\nvar t = ok ||\n  /x/.test(s);"_s
            << QStringList{u"0:keyword:if"_s, u"0:keyword:return"_s, u"0:regex:/^\\d+$/"_s, u"1:keyword:var"_s,
                           u"2:regex:/x/"_s};
        QTest::addRow("a slash with no closing slash on the line is a division")
            << u"total = sum /count"_s << QStringList{};
        QTest::addRow("a template literal with ${} over several lines")
            << u"const li = `<li class=\"${cls}\">\n  ${items.length} 件\n</li>`;"_s
            << QStringList{u"0:keyword:const"_s, u"0:template:`<li class=\"${"_s, u"0:template:}\">"_s,
                           u"1:template:  ${"_s, u"1:template:} 件"_s, u"2:template:</li>`"_s};
        QTest::addRow("braces and a nested template inside ${}")
            << u"`a${ f({k: 1}) ? `b${c}` : '' }d`"_s
            << QStringList{u"0:template:`a${"_s, u"0:number:1"_s, u"0:template:`b${"_s, u"0:template:}`"_s,
                           u"0:string:''"_s, u"0:template:}d`"_s};
        QTest::addRow("numbers: hexadecimal, exponent, separators, BigInt, a leading dot")
            << u"n = [0xFF, 1.5e-3, 1_000, 10n, .5];"_s
            << QStringList{u"0:number:0xFF"_s, u"0:number:1.5e-3"_s, u"0:number:1_000"_s, u"0:number:10n"_s,
                           u"0:number:.5"_s};
        QTest::addRow("quotes of the other kind and escapes inside strings")
            << u"alert(\"it's\", 'say \\'hi\\'');"_s
            << QStringList{u"0:string:\"it's\""_s, u"0:string:'say \\'hi\\''"_s};
        QTest::addRow("an unclosed string ends at the line end")
            << u"var s = 'abc\nvar t;"_s << QStringList{u"0:keyword:var"_s, u"0:string:'abc"_s, u"1:keyword:var"_s};
        QTest::addRow("a string continued with a backslash at the line end")
            << u"var s = 'ab\\\ncd';"_s << QStringList{u"0:keyword:var"_s, u"0:string:'ab\\"_s, u"1:string:cd'"_s};
        QTest::addRow("a block's U+2028 line end ends a line comment")
            << u"a(); // note\u2028return 1;"_s
            << QStringList{u"0:comment:// note"_s, u"0:keyword:return"_s, u"0:number:1"_s};
    }

    void spans()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(tokenize(text), expected);
    }

    // A minified line shown in pieces: the cut falls inside a string and a
    // line comment, and the next piece carries on in them.
    void piecesOfALongLine_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("expected");

        QTest::addRow("a string cut at a space") << u"throw new Error(\"Syntax"_s << u"error\");x=1"_s << u"string:error\""_s;
        QTest::addRow("a line comment cut at a space") << u"x=1;//@ sourceMappingURL"_s << u"x.map"_s << u"comment:x.map"_s;
        QTest::addRow("a template cut at a space") << u"h=`<b"_s << u"class=x>`;"_s << u"template:class=x>`"_s;
    }

    void piecesOfALongLine()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, expected);
        const JsLineState end = tokenizeJsLine(first, JsLineState(), nullptr, true);
        QVERIFY(end.toByte() < 32);
        QList<JsSpan> spans;
        tokenizeJsLine(second, JsLineState::fromByte(end.toByte()), &spans);
        QVERIFY(!spans.isEmpty());
        QCOMPARE(kindName(spans.first().token) + u':' + second.mid(spans.first().start, spans.first().length), expected);
        QCOMPARE(spans.first().start, 0);
    }

    void json_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("keys, strings, numbers and literals")
            << u"{\"@type\": \"Person\", \"age\": -4.5e1, \"ok\": true, \"x\": null}"_s
            << QStringList{u"key:\"@type\""_s, u"string:\"Person\""_s, u"key:\"age\""_s, u"number:-4.5e1"_s,
                           u"key:\"ok\""_s, u"literal:true"_s, u"key:\"x\""_s, u"literal:null"_s};
        QTest::addRow("an escaped quote inside a string")
            << u"[\"a\\\"b\", 1]"_s << QStringList{u"string:\"a\\\"b\""_s, u"number:1"_s};
    }

    void json()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QList<JsonSpan> spans;
        tokenizeJsonLine(line, &spans);
        QStringList described;
        for (const JsonSpan &span : std::as_const(spans))
            described << jsonName(span.token) + u':' + line.mid(span.start, span.length);
        QCOMPARE(described, expected);
    }
};

QTEST_APPLESS_MAIN(TestJsTokenizer)
#include "tst_jstokenizer.moc"
