// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search/textsearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

// A match written as "start+length", none as "-".
static QString described(const std::optional<TextMatch> &match)
{
    return match ? u"%1+%2"_s.arg(match->start).arg(match->length) : u"-"_s;
}

class TestTextSearch : public QObject
{
    Q_OBJECT
private slots:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");

        const QString page = u"<TD>a</TD>\n<td>b</td>"_s;
        QTest::addRow("plain, any case, finds upper case first") << page << u"<td>"_s << false << false << false << 0 << false << false << u"0+4"_s << 2;
        QTest::addRow("plain, matching case, skips upper case") << page << u"<td>"_s << false << true << false << 0 << false << false << u"11+4"_s << 1;
        QTest::addRow("plain text with regex characters is taken as written") << u"a.b axb a.b"_s << u"a.b"_s << false << false << false << 1 << false << false << u"8+3"_s << 2;
        QTest::addRow("regular expression") << page << u"<(\\w+)>[ab]"_s << true << false << false << 1 << false << false << u"11+5"_s << 2;
        QTest::addRow("regular expression across a line end") << page << u"</TD>\\n<td>"_s << true << false << false << 0 << false << false << u"5+10"_s << 1;
        QTest::addRow("whole word skips a word inside a longer one") << u"table tables table"_s << u"table"_s << false << false << true << 1 << false << false << u"13+5"_s << 2;
        QTest::addRow("whole word in Japanese text") << u"本日は 本日 晴天"_s << u"本日"_s << false << false << true << 0 << false << false << u"4+2"_s << 1;
        QTest::addRow("no match past the caret without wrapping") << page << u"<TD>"_s << false << false << false << 12 << false << false << u"-"_s << 2;
        QTest::addRow("wrapping goes on from the top") << page << u"<TD>"_s << false << true << false << 12 << false << true << u"0+4"_s << 1;
        QTest::addRow("backward finds the last match ending before the caret") << page << u"td"_s << false << false << false << 17 << true << false << u"12+2"_s << 4;
        QTest::addRow("backward without wrapping stops at the top") << page << u"td"_s << false << true << false << 10 << true << false << u"-"_s << 2;
        QTest::addRow("backward wrapping goes on from the bottom") << page << u"td"_s << false << true << false << 10 << true << true << u"18+2"_s << 2;
        QTest::addRow("a pattern matching empty text finds the next real match") << u"ab  cd"_s << u"\\w*"_s << true << false << false << 2 << false << false << u"4+2"_s << 2;
    }

    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, regex);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, from);
        QFETCH(bool, backward);
        QFETCH(bool, wrap);
        QFETCH(QString, expected);
        QFETCH(int, count);

        const SearchPattern compiled = compileSearch({pattern, regex, matchCase, wholeWord});
        QVERIFY2(compiled.ok(), qPrintable(compiled.error));
        QCOMPARE(described(findMatch(text, compiled.expression, from, backward, wrap)), expected);
        QCOMPARE(countMatches(text, compiled.expression), count);
    }

    void badPatternsSayWhatIsWrong_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<QString>("expected");

        QTest::addRow("unclosed group, with where") << u"(<td"_s << true << u"正規表現が正しくありません（5 文字目）"_s;
        QTest::addRow("nothing to repeat") << u"*a"_s << true << u"正規表現が正しくありません（1 文字目）"_s;
        QTest::addRow("empty pattern") << u""_s << false << u"検索する文字列を入力してください"_s;
    }

    void badPatternsSayWhatIsWrong()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, regex);
        QFETCH(QString, expected);
        const SearchPattern compiled = compileSearch({pattern, regex, false, false});
        QVERIFY(!compiled.ok());
        QVERIFY2(compiled.error.startsWith(expected), qPrintable(compiled.error));
        // The same characters as plain text are a usable search.
        if (!pattern.isEmpty())
            QVERIFY(compileSearch({pattern, false, false, false}).ok());
    }

    void replacements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("regex");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");

        QTest::addRow("plain, every match, any case") << u"<BR>a<br>b"_s << u"<br>"_s << false << u"<br />"_s << u"<br />a<br />b"_s << 2;
        QTest::addRow("plain replacement keeps backslashes as written") << u"a-b"_s << u"-"_s << false << u"\\1"_s << u"a\\1b"_s << 1;
        QTest::addRow("regex groups and escapes") << u"<TD>x</TD>"_s << u"<(/?)TD>"_s << true << u"<\\1td>\\\\"_s << u"<td>\\x</td>\\"_s << 2;
        QTest::addRow("regex line end in the replacement") << u"a,b"_s << u","_s << true << u"\\n"_s << u"a\nb"_s << 1;
        QTest::addRow("several matches on each of several lines")
            << u"<TD>1</TD><TD>2</TD>\n<TD>3</TD>\nx\n<TD>"_s << u"<(/?)TD>"_s << true << u"<\\1td>"_s
            << u"<td>1</td><td>2</td>\n<td>3</td>\nx\n<td>"_s << 7;
        QTest::addRow("a match across a line end is an edit of its own")
            << u"a\nb a\nb"_s << u"a\nb"_s << true << u"ab"_s << u"ab ab"_s << 2;
        QTest::addRow("no match changes nothing") << u"abc"_s << u"x"_s << false << u"y"_s << u"abc"_s << 0;
    }

    void replacements()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, regex);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QFETCH(int, count);

        const SearchPattern compiled = compileSearch({pattern, regex, false, false});
        QVERIFY(compiled.ok());
        const QList<TextReplacement> replacements = replacementsFor(text, compiled.expression, replacement, regex);
        QCOMPARE(replacements.size(), count);
        const QString result = replaced(text, replacements);
        QCOMPARE(result, expected);
        // Joined line by line, the same text results, from fewer edits that
        // each stay on one line unless a match itself spans lines.
        const QList<TextReplacement> joined = joinedByLine(text, replacements);
        QVERIFY(joined.size() <= replacements.size());
        QCOMPARE(replaced(text, joined), expected);
        for (const TextReplacement &edit : joined) {
            const QStringView original = QStringView(text).sliced(edit.start, edit.length);
            const bool matchSpansLines = std::any_of(replacements.begin(), replacements.end(), [&](const TextReplacement &r) {
                return r.start >= edit.start && QStringView(text).sliced(r.start, r.length).contains(u'\n');
            });
            QVERIFY(!original.contains(u'\n') || matchSpansLines);
        }
        QCOMPARE(result, expected);
    }
};

QTEST_APPLESS_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
