// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/checkmessages.h"
#include "core/check/locallinks.h"
#include "core/check/pagecheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// (line, column, code) of one problem, for comparing whole lists at once.
using Place = std::tuple<qsizetype, qsizetype, QString>;
using Places = QList<Place>;

namespace {

Places places(const QList<PageProblem> &problems)
{
    Places result;
    for (const PageProblem &problem : problems)
        result.append({problem.line, problem.column, problem.code});
    return result;
}

const QString validHead = u"<!DOCTYPE html>\n<html><head><meta charset=\"UTF-8\"><title>t</title></head><body>\n"_s;

} // namespace

class TestPageCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problems_data();
    void problems();
    void japaneseMessages();
    void columnsInCharacters_data();
    void columnsInCharacters();
    void textIsOnlyRead();
    void localReferences_data();
    void localReferences();
    void missingFiles();
    void unsavedPageSkipsFiles();
};

void TestPageCheck::problems_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<Places>("expected");

    QTest::addRow("a clean page has nothing to report")
        << validHead + u"<p>本文</p>\n</body></html>\n" << Places{};
    QTest::addRow("fragment: no doctype, implied body, no title, unclosed B")
        << u"<P><B>閉じていない"_s
        << Places{{1, 1, u"MISSING_DOCTYPE"_s}, {1, 1, u"INSERTING_TAG"_s}, {1, 1, u"MISSING_TITLE_ELEMENT"_s},
                  {1, 4, u"MISSING_ENDTAG_FOR"_s}};
    QTest::addRow("end tag without a start tag is discarded")
        << validHead + u"<p>a</b></p>\n</body></html>" << Places{{3, 5, u"DISCARDING_UNEXPECTED"_s}};
    QTest::addRow("image without alt, empty paragraph trimmed")
        << validHead + u"<img src=\"http://example.com/a.png\">\n<p></p>\n</body></html>"
        << Places{{3, 1, u"MISSING_ATTRIBUTE"_s}, {4, 1, u"TRIM_EMPTY_ELEMENT"_s}};
    QTest::addRow("legacy upper-case FONT, CENTER and BGCOLOR are reported")
        << u"<!DOCTYPE html>\n<HTML><HEAD><TITLE>x</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\">\n"
           "<FONT SIZE=\"3\">x</FONT><CENTER>y</CENTER>\n</BODY></HTML>"_s
        << Places{{3, 1, u"MISMATCHED_ATTRIBUTE_WARN"_s}, {4, 1, u"REMOVED_HTML5"_s}, {4, 24, u"REMOVED_HTML5"_s}};
    QTest::addRow("unknown attribute is proprietary")
        << validHead + u"<p foo=\"1\">z</p>\n</body></html>" << Places{{3, 1, u"PROPRIETARY_ATTRIBUTE"_s}};
    QTest::addRow("unclosed anchor before the next one, unknown entity")
        << validHead + u"<p><a href=\"x.html\">a<a href=\"y.html\">b</a> &foo;</p>\n</body></html>"
        << Places{{3, 4, u"MISSING_ENDTAG_BEFORE"_s}, {3, 45, u"UNKNOWN_ENTITY"_s}};
    QTest::addRow("text directly in a table")
        << validHead + u"<table><tr><td>a</td></tr>x</table>\n</body></html>"
        << Places{{3, 27, u"TAG_NOT_ALLOWED_IN"_s}};
}

void TestPageCheck::problems()
{
    QFETCH(QString, page);
    QFETCH(Places, expected);
    QCOMPARE(places(checkPage(page, QString())), expected);
}

void TestPageCheck::japaneseMessages()
{
    QCOMPARE(japaneseCheckMessage(u"MISSING_ENDTAG_FOR", {u"b"_s}), u"</b> がありません"_s);
    QCOMPARE(japaneseCheckMessage(u"MISSING_ENDTAG_BEFORE", {u"a"_s, u"<a>"_s}), u"<a> の前に </a> がありません"_s);
    QCOMPARE(japaneseCheckMessage(u"NO_SUCH_MESSAGE", {}), QString());
    // An argument that looks like a placeholder is not substituted again.
    QCOMPARE(japaneseCheckMessage(u"DISCARDING_UNEXPECTED", {u"%1"_s}), u"ここにあってはならない %1 を無視します"_s);

    const QList<PageProblem> found = checkPage(QString(validHead + u"<img src=\"http://example.com/a.png\">\n<p>a</b></p></body></html>"), {});
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).message, u"<img> に alt 属性がありません"_s);
    QCOMPARE(found.at(0).kind, PageProblem::Kind::Warning);
    QCOMPARE(found.at(1).message, u"ここにあってはならない </b> を無視します"_s);

    // Every message the checker gives on a page reads in Japanese, this one too.
    const QList<PageProblem> reference = checkPage(QString(validHead + u"<p>&#128;</p></body></html>"), {});
    QCOMPARE(reference.size(), 1);
    QCOMPARE(reference.at(0).code, u"INVALID_NCR"_s);
    QCOMPARE(reference.at(0).message, u"数値文字参照 128 は正しくありません（置き換えます）"_s);
}

void TestPageCheck::columnsInCharacters_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("checkerColumn");
    QTest::addColumn<int>("column");

    QTest::addRow("plain text counts one a character") << u"abcdef"_s << 4 << 4;
    QTest::addRow("a tab reaches the next multiple of eight") << u"\tx"_s << 9 << 2;
    QTest::addRow("a tab after three characters") << u"abc\tx"_s << 9 << 5;
    QTest::addRow("a character beyond the BMP is two in the editor") << u"\U0001F600x"_s << 2 << 3;
    QTest::addRow("Japanese is one a character") << u"あいう<"_s << 4 << 4;
    QTest::addRow("past the end stays after the last character") << u"ab"_s << 10 << 3;
}

void TestPageCheck::columnsInCharacters()
{
    QFETCH(QString, line);
    QFETCH(int, checkerColumn);
    QFETCH(int, column);
    QCOMPARE(editorColumn(line, checkerColumn), qsizetype(column));
}

void TestPageCheck::textIsOnlyRead()
{
    // A whole page through the checker, tabs and a surrogate pair included:
    // the stray </q> is reported where the editor shows it.
    const QString page = u"<title>\tx</title>\t<p>\t\U0001F600\tあ</q>"_s;
    const QString before = page;
    const QList<PageProblem> found = checkPage(page, {});
    QCOMPARE(page, before);
    QCOMPARE(places(found), (Places{{1, 1, u"MISSING_DOCTYPE"_s}, {1, 19, u"INSERTING_TAG"_s},
                                    {1, 27, u"DISCARDING_UNEXPECTED"_s}}));
    QCOMPARE(page.mid(found.at(2).column - 1, 4), u"</q>"_s);
}

void TestPageCheck::localReferences_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference"); // "-" for none

    QTest::addRow("relative file") << u"img/a.png"_s << u"img/a.png"_s;
    QTest::addRow("parent folder") << u"../style.css"_s << u"../style.css"_s;
    QTest::addRow("query and fragment stripped") << u"page.html?x=1#top"_s << u"page.html"_s;
    QTest::addRow("percent-encoded Japanese and space") << u"%E5%86%99%E7%9C%9F%20a.jpg"_s << u"写真 a.jpg"_s;
    QTest::addRow("surrounding spaces") << u"  a.html "_s << u"a.html"_s;
    QTest::addRow("file address") << u"file:///tmp/a.png"_s << u"/tmp/a.png"_s;
    QTest::addRow("http") << u"http://example.com/a.png"_s << u"-"_s;
    QTest::addRow("https in capitals") << u"HTTPS://example.com/"_s << u"-"_s;
    QTest::addRow("mailto") << u"mailto:a@example.com"_s << u"-"_s;
    QTest::addRow("javascript") << u"javascript:void(0)"_s << u"-"_s;
    QTest::addRow("data") << u"data:image/png;base64,AAAA"_s << u"-"_s;
    QTest::addRow("fragment in the page") << u"#top"_s << u"-"_s;
    QTest::addRow("empty") << QString() << u"-"_s;
    QTest::addRow("protocol-relative") << u"//cdn.example.com/a.js"_s << u"-"_s;
    QTest::addRow("root of the site") << u"/images/a.png"_s << u"-"_s;
}

void TestPageCheck::localReferences()
{
    QFETCH(QString, value);
    QFETCH(QString, reference);
    const std::optional<QString> found = localReference(value);
    QCOMPARE(found.value_or(u"-"_s), reference);
}

void TestPageCheck::missingFiles()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir(folder.path()).mkpath(u"img"_s);
    QDir(folder.path()).mkpath(u"sub dir"_s);
    for (const QString &name : {u"img/a.png"_s, u"sub dir/b.html"_s, u"写真.jpg"_s}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString page = validHead
        + u"<p><img src=\"img/a.png\" alt=\"\">\n"
          "<img src=\"img/none.png\" alt=\"\">\n"
          "<a href=\"sub%20dir/b.html?x=1#f\">b</a> <a href=\"%E5%86%99%E7%9C%9F.jpg\">写真</a>\n"
          "<a href=\"http://example.com/none.html\">w</a> <a href=\"#top\">t</a> <a href=\"mailto:a@example.com\">m</a>\n"
          "<a href=\"nowhere.html#x\">n</a></p>\n"
          "<!-- <img src=\"commented.png\" alt=\"\"> -->\n"
          "</body></html>";
    QList<PageProblem> missing = checkPage(page, folder.path());
    missing.removeIf([](const PageProblem &p) { return p.kind != PageProblem::Kind::MissingFile; });
    QCOMPARE(places(missing), (Places{{4, 1, u"MISSING_LOCAL_FILE"_s}, {7, 1, u"MISSING_LOCAL_FILE"_s}}));
    QCOMPARE(missing.at(0).message, u"ファイルが見つかりません: img/none.png"_s);
    QCOMPARE(missing.at(1).message, u"ファイルが見つかりません: nowhere.html#x"_s);
    QCOMPARE(problemKindName(missing.at(0).kind), u"ファイルなし"_s);
}

void TestPageCheck::unsavedPageSkipsFiles()
{
    const QString page = validHead + u"<p><img src=\"img/none.png\" alt=\"\"></p>\n</body></html>";
    QCOMPARE(places(checkPage(page, QString())), Places{});
}

QTEST_APPLESS_MAIN(TestPageCheck)
#include "tst_pagecheck.moc"
