// SPDX-License-Identifier: GPL-3.0-or-later
// The page check and today's HTML: what the living standard has is no
// problem, what it removed is explained with what to write instead, and every
// message reads in Japanese.
#include "core/check/pagecheck.h"
#include "core/check/todayshtml.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString page(const QString &body)
{
    return u"<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"UTF-8\"><title>t</title></head><body>\n"_s + body
         + u"\n</body></html>\n"_s;
}

QStringList messagesOf(const QList<PageProblem> &problems)
{
    QStringList messages;
    for (const PageProblem &problem : problems)
        messages << problem.code + u": " + problem.message;
    return messages;
}

} // namespace

class TestTodaysCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void todaysMarkupIsNoProblem_data();
    void todaysMarkupIsNoProblem();
    void theContentOfNewElementsIsKept();
    void obsoleteMarkupSaysWhatToWriteInstead_data();
    void obsoleteMarkupSaysWhatToWriteInstead();
    void realProblemsAreStillReported_data();
    void realProblemsAreStillReported();
    void everyMessageReadsInJapanese_data();
    void everyMessageReadsInJapanese();
};

void TestTodaysCheck::todaysMarkupIsNoProblem_data()
{
    QTest::addColumn<QString>("body");
    QTest::addRow("data") << u"<p><data value=\"8\">八</data></p>"_s;
    QTest::addRow("search") << u"<search><form action=\"s.html\"><input type=\"search\" name=\"q\"></form></search>"_s;
    QTest::addRow("loading and decoding on img")
        << u"<img src=\"http://example.com/a.png\" alt=\"a\" loading=\"lazy\" decoding=\"async\" fetchpriority=\"high\">"_s;
    QTest::addRow("inputmode") << u"<form action=\"s.html\"><input name=\"n\" inputmode=\"numeric\"></form>"_s;
    QTest::addRow("popover and popovertarget")
        << u"<button type=\"button\" popovertarget=\"m\">開く</button><div id=\"m\" popover>中身</div>"_s;
    QTest::addRow("an empty meter") << u"<p>残り <meter value=\"0.5\"></meter></p>"_s;
    QTest::addRow("an empty progress") << u"<p><progress value=\"5\" max=\"10\"></progress></p>"_s;
    QTest::addRow("enterkeyhint and autocapitalize")
        << u"<form action=\"s.html\"><input name=\"n\" enterkeyhint=\"send\" autocapitalize=\"off\"></form>"_s;
    QTest::addRow("dialog closedby") << u"<dialog closedby=\"any\">中身</dialog>"_s;
    QTest::addRow("details name") << u"<details name=\"faq\"><summary>問い</summary>答え</details>"_s;
    QTest::addRow("iframe loading") << u"<iframe src=\"http://example.com/\" title=\"地図\" loading=\"lazy\"></iframe>"_s;
    QTest::addRow("a custom element") << u"<my-card data-id=\"1\">x</my-card>"_s;
    QTest::addRow("ruby") << u"<p><ruby>漢字<rp>（</rp><rt>かんじ</rt><rp>）</rp></ruby></p>"_s;
}

void TestTodaysCheck::todaysMarkupIsNoProblem()
{
    QFETCH(QString, body);
    const QList<PageProblem> problems = checkPage(page(body), QString());
    QVERIFY2(problems.isEmpty(), qPrintable(messagesOf(problems).join(u'\n')));
}

void TestTodaysCheck::theContentOfNewElementsIsKept()
{
    // Declared to the parser, <search> holds its form: the form's own problem is still found inside it.
    const QList<PageProblem> problems = checkPage(page(u"<search>\n<p><b>閉じていない</p>\n</search>"_s), QString());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.at(0).line, 4);
    QCOMPARE(problems.at(0).code, u"MISSING_ENDTAG_BEFORE"_s);
    QVERIFY(!undeclaredElements().inlineNames.isEmpty() || !undeclaredElements().blockNames.isEmpty());
    QVERIFY(undeclaredElements().blockNames.split(' ').contains("search"));
    QVERIFY(undeclaredElements().inlineNames.split(' ').contains("data"));
}

void TestTodaysCheck::obsoleteMarkupSaysWhatToWriteInstead_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("says");
    QTest::addRow("CENTER: CSS text-align") << u"<CENTER>x</CENTER>"_s << u"<center> 要素は HTML から削除されました。CSS の text-align"_s;
    QTest::addRow("FONT: CSS") << u"<p><FONT COLOR=\"red\">x</FONT></p>"_s << u"<font> 要素は HTML から削除されました。CSS の color"_s;
    QTest::addRow("FRAMESET: iframe or one page") << u"<frameset cols=\"50%,50%\"><frame src=\"a.html\"></frameset>"_s << u"iframe 要素を使うか、一つのページにまとめます"_s;
    QTest::addRow("MARQUEE") << u"<marquee>x</marquee>"_s << u"<marquee> 要素は HTML から削除されました。"_s;
    QTest::addRow("STRIKE: s or del") << u"<p><strike>x</strike></p>"_s << u"s 要素"_s;
    QTest::addRow("TT") << u"<p><tt>x</tt></p>"_s << u"<tt> 要素は HTML から削除されました。"_s;
    QTest::addRow("BIG") << u"<p><big>x</big></p>"_s << u"font-size"_s;
}

void TestTodaysCheck::obsoleteMarkupSaysWhatToWriteInstead()
{
    QFETCH(QString, body);
    QFETCH(QString, says);
    const QStringList messages = messagesOf(checkPage(page(body), QString()));
    QVERIFY2(std::any_of(messages.begin(), messages.end(), [&](const QString &m) { return m.contains(says); }),
             qPrintable(messages.join(u'\n')));
}

void TestTodaysCheck::realProblemsAreStillReported_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("code");
    QTest::addRow("an attribute HTML never had") << u"<p foo=\"1\">z</p>"_s << u"PROPRIETARY_ATTRIBUTE"_s;
    QTest::addRow("an element HTML never had") << u"<p><blah>z</blah></p>"_s << u"UNKNOWN_ELEMENT"_s;
    QTest::addRow("an empty paragraph") << u"<p></p>"_s << u"TRIM_EMPTY_ELEMENT"_s;
    QTest::addRow("align on a paragraph, obsolete") << u"<p align=\"center\">z</p>"_s << u"MISMATCHED_ATTRIBUTE_WARN"_s;
}

void TestTodaysCheck::realProblemsAreStillReported()
{
    QFETCH(QString, body);
    QFETCH(QString, code);
    QStringList codes;
    for (const PageProblem &problem : checkPage(page(body), QString()))
        codes << problem.code;
    QVERIFY2(codes.contains(code), qPrintable(codes.join(u' ')));
}

void TestTodaysCheck::everyMessageReadsInJapanese_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("text in head") << u"<!DOCTYPE html>\n<html><head>本文<title>t</title></head><body></body></html>"_s;
    QTest::addRow("a numeric reference to a control character") << page(u"<p>&#128;</p>"_s);
    QTest::addRow("legacy markup") << u"<HTML><BODY BGCOLOR=\"#fff\" TEXT=\"#000\"><CENTER><FONT SIZE=\"3\">x</FONT></CENTER>"
                                      u"<TABLE SUMMARY=\"s\" ALIGN=\"center\"><TR><TD NOWRAP>x</TD></TR></TABLE>"
                                      u"<IMG SRC=\"a.gif\"><P ALIGN=\"left\"></BODY>"_s;
    QTest::addRow("broken tags") << page(u"<p><b><i>x</b></i> &foo <a href=\"x y.html\">a</a> <p <!-- a -- b -->"_s);
    QTest::addRow("an xml declaration") << u"<?xml version=\"1.0\"?>\n"_s + page(u"<p>x</p>"_s);
    QTest::addRow("style in body") << page(u"<style>p{}</style><p>x</p>"_s);
}

void TestTodaysCheck::everyMessageReadsInJapanese()
{
    QFETCH(QString, text);
    const QList<PageProblem> problems = checkPage(text, QString());
    QVERIFY(!problems.isEmpty());
    // What may stay in Latin letters: markup (<…>), quoted names and values, and HTML, CSS, UTF-8 and the like.
    static const QRegularExpression quoted(uR"x(<[^>]*>|"[^"]*"|'[^']*'|&\S*)x"_s);
    static const QRegularExpression englishWords(u"[A-Za-z]{3,}[ ,.]+[A-Za-z]{2,}"_s);
    for (const PageProblem &problem : problems) {
        QString bare = problem.message;
        bare.remove(quoted);
        QVERIFY2(!englishWords.match(bare).hasMatch(), qPrintable(problem.code + u": " + problem.message));
        const bool japanese = std::any_of(problem.message.begin(), problem.message.end(),
                                          [](QChar c) { return c.unicode() >= 0x3040; });
        QVERIFY2(japanese, qPrintable(problem.code + u": " + problem.message));
    }
}

QTEST_APPLESS_MAIN(TestTodaysCheck)
#include "tst_todayscheck.moc"
