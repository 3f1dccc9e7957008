// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/sitelinks.h"

#include "filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Kind = SiteLinkProblem::Kind;
// (page, line, column, kind, reference) of one problem.
using Place = std::tuple<QString, qsizetype, qsizetype, Kind, QString>;
using Places = QList<Place>;

namespace {

void write(const QTemporaryDir &site, const QString &path, const QByteArray &bytes)
{
    const QString full = site.filePath(path);
    QDir().mkpath(QFileInfo(full).path());
    writeBytes(full, bytes);
}

Places places(const QList<SiteLinkProblem> &problems)
{
    Places result;
    for (const SiteLinkProblem &problem : problems)
        result.append({problem.page, problem.line, problem.column, problem.kind, problem.reference});
    return result;
}

} // namespace

class TestSiteLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problems_data();
    void problems();
    void letterCaseNamesTheFileOnDisk();
    void pagesInTheirOwnEncoding();
    void messages();
};

void TestSiteLinks::problems_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<Places>("expected");

    const QString page = u"sub/page.html"_s;
    QTest::addRow("links to files that are there, a folder, the site's root and the web are fine")
        << QByteArray("<a href=\"../index.html\">i</a><img src=\"pic.png\"><a href=\"./\">.</a>\n"
                      "<a href=\"http://example.com/x.html\">x</a><a href=\"mailto:a@b\">m</a><img src=\"/abs.png\">\n"
                      "<link rel=stylesheet href=../css/site.css><a href=\"pic.png?v=2\">q</a>")
        << Places{};
    QTest::addRow("a link and an image naming nothing")
        << QByteArray("<p>\n  <a href=\"gone.html\">g</a> <IMG SRC='img/none.gif'>\n")
        << Places{{page, 2, 12, Kind::MissingFile, u"gone.html"_s}, {page, 2, 39, Kind::MissingFile, u"img/none.gif"_s}};
    QTest::addRow("an unquoted value, and percent-encoded names of a file missing and one there")
        << QByteArray("<a href=nothing.html>n</a><a href=\"caf%C3%A9.html\">c</a><a href=\"a%20b.html\">s</a>")
        << Places{{page, 1, 9, Kind::MissingFile, u"nothing.html"_s}, {page, 1, 36, Kind::MissingFile, u"caf%C3%A9.html"_s}};
    QTest::addRow("fragments: on this page, on another, named by id or by a name")
        << QByteArray("<h2 id=\"here\">h</h2><a href=\"#here\">1</a><a href=\"#nowhere\">2</a>\n"
                      "<a href=\"../index.html#intro\">3</a><a href=\"../index.html#old\">4</a><a href=\"../index.html#none\">5</a>\n"
                      "<a href=\"#\">6</a><a href=\"#top\">7</a><a href=\"pic.png#x\">8</a>")
        << Places{{page, 1, 51, Kind::MissingAnchor, u"#nowhere"_s},
                  {page, 2, 78, Kind::MissingAnchor, u"../index.html#none"_s}};
    QTest::addRow("letter case differing from the file on disk, in a file's name and a folder's")
        << QByteArray("<img src=\"PIC.png\"><link href=\"../CSS/site.css\">")
        << Places{{page, 1, 11, Kind::LetterCase, u"PIC.png"_s}, {page, 1, 32, Kind::LetterCase, u"../CSS/site.css"_s}};
    QTest::addRow("comments and scripts hold no links; a value may run over lines")
        << QByteArray("<!-- <a href=\"c.html\"> -->\n<script>var s = '<img src=\"s.png\">';</script>\n"
                      "<a title=\"a\nb\" href=\"x\ny.html\">")
        << Places{{page, 4, 10, Kind::MissingFile, u"x\ny.html"_s}};
    QTest::addRow("outside the site's folder")
        << QByteArray("<a href=\"../../nowhere-beside-the-site.html\">o</a>")
        << Places{{page, 1, 10, Kind::MissingFile, u"../../nowhere-beside-the-site.html"_s}};
}

void TestSiteLinks::problems()
{
    QFETCH(QByteArray, page);
    QFETCH(Places, expected);

    QTemporaryDir site;
    QVERIFY(site.isValid());
    write(site, u"index.html"_s, "<h1 id=intro>x</h1><a name=\"old\"></a><p id='x'>");
    write(site, u"css/site.css"_s, "p {}");
    write(site, u"sub/pic.png"_s, "not really");
    write(site, u"sub/a b.html"_s, "");
    write(site, u"sub/page.html"_s, page);

    QCOMPARE(places(checkSiteLinks(site.path())), expected);
}

void TestSiteLinks::letterCaseNamesTheFileOnDisk()
{
    QTemporaryDir site;
    write(site, u"Images/Logo.PNG"_s, "x");
    write(site, u"a.html"_s, "<img src=\"images/logo.png\">");
    const QList<SiteLinkProblem> problems = checkSiteLinks(site.path());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems[0].kind, Kind::LetterCase);
    QCOMPARE(problems[0].onDisk, u"Images/Logo.PNG"_s);
}

// Shift_JIS and EUC-JP pages: columns count characters, not bytes.
void TestSiteLinks::pagesInTheirOwnEncoding()
{
    QTemporaryDir site;
    // "<p>日本語<a href="無い.html">" in Shift_JIS, then in EUC-JP.
    write(site, u"sjis.html"_s, "<p>\x93\xfa\x96\x7b\x8c\xea<a href=\"\x96\xb3\x82\xa2.html\">");
    write(site, u"euc.html"_s, "<p>\xc6\xfc\xcb\xdc\xb8\xec<a href=\"\xcc\xb5\xa4\xa4.html\">");
    write(site, u"broken.html"_s, QByteArray("<p>\0\0\0", 6));
    QCOMPARE(places(checkSiteLinks(site.path())),
             (Places{{u"broken.html"_s, 0, 0, Kind::Unreadable, QString()},
                     {u"euc.html"_s, 1, 16, Kind::MissingFile, u"無い.html"_s},
                     {u"sjis.html"_s, 1, 16, Kind::MissingFile, u"無い.html"_s}}));
}

void TestSiteLinks::messages()
{
    const SiteLinkProblem letterCase{u"a.html"_s, 1, 1, Kind::LetterCase, u"PIC.png"_s, u"pic.png"_s};
    QCOMPARE(siteLinkMessage(letterCase), u"「PIC.png」はディスク上では「pic.png」です。大文字と小文字を区別するサーバーではリンクが切れます。"_s);
    QCOMPARE(siteLinkKindName(Kind::MissingAnchor), u"アンカーなし"_s);
}

QTEST_APPLESS_MAIN(TestSiteLinks)
#include "tst_sitelinks.moc"
