// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/pagetokenizer.h"
#include "describespans.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageKind)

static QString kindName(PageToken token)
{
    constexpr const char *names[] = {"tag",    "name",   "value",  "comment",   "decl",    "ref",
                                     "selector", "property", "keyword", "number", "string", "at",
                                     "important", "colour", "function", "js", "template", "regex"};
    static_assert(std::size(names) == pageTokenCount);
    return QString::fromLatin1(names[std::size_t(token)]);
}

static QStringList tokenize(PageKind kind, const QString &text)
{
    return describeSpans<PageToken>(
        text, std::uint8_t(0),
        [kind](QStringView line, std::uint8_t state, QList<PageSpan> *spans) {
            return tokenizePageLine(kind, line, state, spans);
        },
        kindName);
}

class TestPageTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("CSS inside <style> over lines")
            << PageKind::Html << u"<style>\nbody { color: #333 }\n</style><p>"_s
            << QStringList{u"0:tag:<style"_s, u"0:tag:>"_s, u"1:selector:body"_s, u"1:property:color"_s,
                           u"1:colour:#333"_s, u"2:tag:</style"_s, u"2:tag:>"_s, u"2:tag:<p"_s, u"2:tag:>"_s};
        QTest::addRow("a comment in <style> goes on to the next line, and the end tag ends it all")
            << PageKind::Html << u"<STYLE type=\"text/css\"><!--\n/* a\nb */ p{}\n--></STYLE>"_s
            << QStringList{u"0:tag:<STYLE"_s,      u"0:name:type"_s,   u"0:value:\"text/css\""_s, u"0:tag:>"_s,
                           u"0:comment:<!--"_s,    u"1:comment:/* a"_s, u"2:comment:b */"_s,      u"2:selector:p"_s,
                           u"3:comment:-->"_s,     u"3:tag:</STYLE"_s,
                           u"3:tag:>"_s};
        QTest::addRow("CSS inside style=\"…\", its quotes as the value's")
            << PageKind::Html << u"<p style=\"color: red; margin: 0\">x</p>"_s
            << QStringList{u"0:tag:<p"_s,       u"0:name:style"_s,     u"0:value:\""_s,   u"0:property:color"_s,
                           u"0:colour:red"_s,   u"0:property:margin"_s, u"0:number:0"_s,   u"0:value:\""_s,
                           u"0:tag:>"_s,        u"0:tag:</p"_s,        u"0:tag:>"_s};
        QTest::addRow("script inside <script>, a template literal over lines")
            << PageKind::Html << u"<script>\nvar s = `a\nb`; // c\n</script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:tag:>"_s, u"1:js:var"_s, u"1:template:`a"_s, u"2:template:b`"_s,
                           u"2:comment:// c"_s, u"3:tag:</script"_s, u"3:tag:>"_s};
        QTest::addRow("a regex at the start of a script's first line")
            << PageKind::Html << u"<script type=\"module\">\n/a/.test(x)\n</script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:name:type"_s, u"0:value:\"module\""_s, u"0:tag:>"_s,
                           u"1:regex:/a/"_s, u"2:tag:</script"_s, u"2:tag:>"_s};
        QTest::addRow("application/ld+json is coloured as JSON, not script")
            << PageKind::Html << u"<script type=\"application/ld+json\">\n{\"name\": \"x\", \"if\": true}\n</script>"_s
            << QStringList{u"0:tag:<script"_s,  u"0:name:type"_s, u"0:value:\"application/ld+json\""_s, u"0:tag:>"_s,
                           u"1:property:\"name\""_s, u"1:string:\"x\""_s, u"1:property:\"if\""_s, u"1:js:true"_s,
                           u"2:tag:</script"_s, u"2:tag:>"_s};
        QTest::addRow("a type given on the line after <script still makes it JSON")
            << PageKind::Html << u"<script\n  type=application/json>\n{\"a\": 1}</script>"_s
            << QStringList{u"0:tag:<script"_s, u"1:name:type"_s, u"1:value:application/json"_s, u"1:tag:>"_s,
                           u"2:property:\"a\""_s, u"2:number:1"_s, u"2:tag:</script"_s, u"2:tag:>"_s};
        QTest::addRow("a template script is not coloured inside")
            << PageKind::Html << u"<script type=\"text/x-template\">\n<b v-if=\"ok\">var</b>\n</script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:name:type"_s, u"0:value:\"text/x-template\""_s, u"0:tag:>"_s,
                           u"2:tag:</script"_s, u"2:tag:>"_s};
        QTest::addRow("a JSON script's type over two lines of its tag stays JSON")
            << PageKind::Html << u"<script type=\"importmap\"\n>\n{\"imports\": {}}\n</script>"_s
            << QStringList{u"0:tag:<script"_s, u"0:name:type"_s, u"0:value:\"importmap\""_s, u"1:tag:>"_s,
                           u"2:property:\"imports\""_s, u"3:tag:</script"_s, u"3:tag:>"_s};
        QTest::addRow("a stylesheet file is CSS from its first line")
            << PageKind::Css << u"@charset \"utf-8\";\nbody{margin:0}"_s
            << QStringList{u"0:at:@charset"_s, u"0:string:\"utf-8\""_s, u"1:selector:body"_s, u"1:property:margin"_s,
                           u"1:number:0"_s};
        QTest::addRow("a script file is script from its first line, a regex first of all")
            << PageKind::JavaScript << u"/^a/.test(s) && f();\n<p>"_s << QStringList{u"0:regex:/^a/"_s};
        QTest::addRow("a plain page has no colours") << PageKind::Plain << u"<p>a { color: red }</p>"_s << QStringList{};
    }

    void spans()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(tokenize(kind, text), expected);
    }

    // The markup reads the lines of an HTML page as it always did: the CSS
    // and script states live beside its own.
    void markupStateUnchangedOutsideElements()
    {
        QCOMPARE(tokenizePageLine(PageKind::Html, u"<p title=\"a"_s, 0), std::uint8_t(1 | 1 << 5));
        QCOMPARE(tokenizePageLine(PageKind::Html, u"<!-- a"_s, 0), std::uint8_t(2));
    }
};

QTEST_APPLESS_MAIN(TestPageTokenizer)
#include "tst_pagetokenizer.moc"
