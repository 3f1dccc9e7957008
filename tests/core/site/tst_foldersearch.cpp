// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/foldersearch.h"

#include "core/document/textencoding.h"
#include "core/search/textsearch.h"
#include "filebytes.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// (line, column, length, line text, mark) of one match.
using Place = std::tuple<qsizetype, qsizetype, qsizetype, QString, qsizetype>;
using Places = QList<Place>;
using Outcome = FileReplacement::Outcome;

namespace {

Places places(const FileMatches &found)
{
    Places result;
    for (const FolderMatch &match : found.matches)
        result.append({match.line, match.column, match.length, match.lineText, match.markStart});
    return result;
}

QRegularExpression search(const QString &pattern, bool regularExpression = false, bool wholeWord = false)
{
    const SearchPattern compiled = compileSearch({pattern, regularExpression, false, wholeWord});
    if (!compiled.ok())
        qFatal("pattern %s: %s", qPrintable(pattern), qPrintable(compiled.error));
    return compiled.expression;
}

// The fixture site copied where the test may write.
void copySite(const QString &to)
{
    const QString from = QStringLiteral(TAGPOT_TEST_DATA "/site");
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        writeBytes(target, readBytes(source));
    }
}

QByteArray sjis(const QString &text)
{
    return *encodeStrictly(text, TextEncoding::ShiftJis);
}

QByteArray euc(const QString &text)
{
    return *encodeStrictly(text, TextEncoding::EucJp);
}

} // namespace

class TestFolderSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesInText_data();
    void matchesInText();
    void veryLongLineIsCutAroundTheMatch();
    void manyMatchesAreCountedBeyondThoseListed();
    void filesByPattern_data();
    void filesByPattern();
    void filesInTheirOwnEncoding();
    void replaceAllKeepsEveryOtherByte();
    void fileThatCannotHoldTheNewTextIsLeftAlone();
    void fileChangedSinceSearchedIsSearchedAgain();
    void unreadableFiles();
};

void TestFolderSearch::matchesInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<Places>("expected");

    QTest::addRow("two matches on one line, one on a later line")
        << u"<p>ほげ ほげ</p>\n\n  ほげ"_s << u"ほげ"_s << false
        << Places{{1, 4, 2, u"<p>ほげ ほげ</p>"_s, 3}, {1, 7, 2, u"<p>ほげ ほげ</p>"_s, 6}, {3, 3, 2, u"  ほげ"_s, 2}};
    QTest::addRow("letter case aside")
        << u"Title\ntitle"_s << u"TITLE"_s << false << Places{{1, 1, 5, u"Title"_s, 0}, {2, 1, 5, u"title"_s, 0}};
    QTest::addRow("a regular expression matching over a line end lists the line it starts on")
        << u"a\n<b>\n</b>"_s << u"<b>\\n</b>"_s << true << Places{{2, 1, 8, u"<b>"_s, 0}};
    QTest::addRow("empty matches are skipped") << u"ab"_s << u"x*"_s << true << Places{};
    QTest::addRow("nothing found") << u"<p></p>"_s << u"div"_s << false << Places{};
}

void TestFolderSearch::matchesInText()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, regularExpression);
    QFETCH(Places, expected);

    const FileMatches found = searchText(text, search(pattern, regularExpression));
    QCOMPARE(places(found), expected);
    QCOMPARE(found.count, expected.size());
}

void TestFolderSearch::veryLongLineIsCutAroundTheMatch()
{
    const QString line = QString(5000, u'x') + u"ほげ"_s + QString(5000, u'y');
    const FileMatches found = searchText(QString(u"first\n"_s + line), search(u"ほげ"_s));
    QCOMPARE(found.matches.size(), 1);
    const FolderMatch &match = found.matches[0];
    QCOMPARE(match.column, 5001);
    QVERIFY(match.lineText.size() < 400);
    QCOMPARE(match.lineText.sliced(match.markStart, 2), u"ほげ"_s);
}

void TestFolderSearch::manyMatchesAreCountedBeyondThoseListed()
{
    const FileMatches found = searchText(QString(matchesListedPerFile + 5, u'a'), search(u"a"_s));
    QCOMPARE(found.count, matchesListedPerFile + 5);
    QCOMPARE(found.matches.size(), matchesListedPerFile);
    QCOMPARE(found.matches.last().column, matchesListedPerFile);
}

void TestFolderSearch::filesByPattern_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("pages and stylesheets, in sub-folders, hidden folders left out")
        << QStringList{u"*.html"_s, u"*.htm"_s, u"*.css"_s}
        << QStringList{u"sjis.html"_s, u"style.css"_s, u"sub/euc.htm"_s, u"sub/utf8.html"_s};
    QTest::addRow("letter case aside") << QStringList{u"*.HTM"_s} << QStringList{u"sub/euc.htm"_s};
    QTest::addRow("a name rather than a pattern") << QStringList{u"notes.txt"_s} << QStringList{u"notes.txt"_s};
}

void TestFolderSearch::filesByPattern()
{
    QFETCH(QStringList, patterns);
    QFETCH(QStringList, expected);

    const QDir site(QStringLiteral(TAGPOT_TEST_DATA "/site"));
    QStringList found;
    for (const QString &path : filesToSearch(site.path(), patterns))
        found.append(site.relativeFilePath(path));
    QCOMPARE(found, expected);
}

void TestFolderSearch::filesInTheirOwnEncoding()
{
    const QString site = QStringLiteral(TAGPOT_TEST_DATA "/site/");
    const QRegularExpression expression = search(u"ほげ"_s);
    QCOMPARE(places(searchFile(site + u"sjis.html"_s, expression)),
             (Places{{3, 8, 2, u"<p>株式会社ほげ ①</p>"_s, 7}, {5, 4, 2, u"<p>ほげほげ</p>"_s, 3},
                     {5, 6, 2, u"<p>ほげほげ</p>"_s, 5}}));
    QCOMPARE(places(searchFile(site + u"sub/euc.htm"_s, expression)), (Places{{3, 4, 2, u"<p>ほげの本社</p>"_s, 3}}));
    // The byte order mark is no character of the page.
    QCOMPARE(places(searchFile(site + u"sub/utf8.html"_s, expression)),
             (Places{{2, 8, 2, u"<title>ほげ</title>"_s, 7}, {3, 7, 2, u"<p>ホゲ ほげ ほげ</p>"_s, 6},
                     {3, 10, 2, u"<p>ホゲ ほげ ほげ</p>"_s, 9}}));
}

// Shift_JIS with a line ending in LF among CR LF and a kanji written in the
// second of its two codes, EUC-JP, UTF-8 with a byte order mark: only the
// replaced characters' bytes change.
void TestFolderSearch::replaceAllKeepsEveryOtherByte()
{
    QTemporaryDir site;
    copySite(site.path());
    const QRegularExpression expression = search(u"ほげ"_s);
    struct Case {
        QString path;
        QByteArray from;
        QByteArray to;
        qsizetype count;
    };
    const QList<Case> cases{{u"sjis.html"_s, sjis(u"ほげ"_s), sjis(u"ふが"_s), 3},
                            {u"sub/euc.htm"_s, euc(u"ほげ"_s), euc(u"ふが"_s), 1},
                            {u"sub/utf8.html"_s, u"ほげ"_s.toUtf8(), u"ふが"_s.toUtf8(), 3}};
    for (const Case &file : cases) {
        const QString path = site.filePath(file.path);
        const QByteArray before = readBytes(path);
        const FileMatches found = searchFile(path, expression);
        const FileReplacement outcome = replaceInFile(path, found.contentHash, expression, u"ふが"_s, false);
        QCOMPARE(outcome.outcome, Outcome::Written);
        QCOMPARE(outcome.count, file.count);
        QVERIFY(!outcome.searchedAgain);
        QCOMPARE(readBytes(path), QByteArray(before).replace(file.from, file.to));
    }
    QVERIFY(readBytes(site.filePath(u"sjis.html"_s)).contains("<p>\xee\xe0"));
}

void TestFolderSearch::fileThatCannotHoldTheNewTextIsLeftAlone()
{
    QTemporaryDir site;
    copySite(site.path());
    const QRegularExpression expression = search(u"ほげ"_s);
    for (const QString &name : {u"sjis.html"_s, u"sub/euc.htm"_s}) {
        const QString path = site.filePath(name);
        const QByteArray before = readBytes(path);
        const FileReplacement outcome =
            replaceInFile(path, searchFile(path, expression).contentHash, expression, u"한국"_s, false);
        QCOMPARE(outcome.outcome, Outcome::Unencodable);
        QVERIFY2(outcome.reason.contains(u"「한」"_s), qPrintable(outcome.reason));
        QCOMPARE(readBytes(path), before);
    }
    const QString utf8 = site.filePath(u"sub/utf8.html"_s);
    QCOMPARE(replaceInFile(utf8, searchFile(utf8, expression).contentHash, expression, u"한국"_s, false).outcome,
             Outcome::Written);
    QVERIFY(readBytes(utf8).contains(u"<title>한국</title>"_s.toUtf8()));
}

void TestFolderSearch::fileChangedSinceSearchedIsSearchedAgain()
{
    QTemporaryDir site;
    copySite(site.path());
    const QString path = site.filePath(u"sub/euc.htm"_s);
    const QRegularExpression expression = search(u"ほげ"_s);
    const FileMatches found = searchFile(path, expression);
    QCOMPARE(found.count, 1);
    writeBytes(path, euc(u"<p>ほげ</p>\n<p>また ほげ</p>\n"_s));

    const FileReplacement outcome = replaceInFile(path, found.contentHash, expression, u"ふが"_s, false);
    QCOMPARE(outcome.outcome, Outcome::Written);
    QVERIFY(outcome.searchedAgain);
    QCOMPARE(outcome.count, 2);
    QCOMPARE(readBytes(path), euc(u"<p>ふが</p>\n<p>また ふが</p>\n"_s));

    // Meanwhile the matches went: nothing is written.
    writeBytes(path, "<p></p>\n");
    QCOMPARE(replaceInFile(path, 0, expression, u"ふが"_s, false).outcome, Outcome::NoMatches);
    QCOMPARE(readBytes(path), QByteArray("<p></p>\n"));
}

void TestFolderSearch::unreadableFiles()
{
    QTemporaryDir site;
    writeBytes(site.filePath(u"binary.html"_s), QByteArray("<p>\0\0ほげ", 9));
    const FileMatches binary = searchFile(site.filePath(u"binary.html"_s), search(u"p"_s));
    QCOMPARE(binary.failure, QString());
    QCOMPARE(binary.count, 0);
    writeBytes(site.filePath(u"broken.html"_s), "<p>\x82\xa0\xff\xfe\x81</p>");
    QCOMPARE(searchFile(site.filePath(u"broken.html"_s), search(u"p"_s)).failure, u"文字コードを判別できません。"_s);
    const FileMatches gone = searchFile(site.filePath(u"gone.html"_s), search(u"p"_s));
    QVERIFY(!gone.failure.isEmpty());
    QCOMPARE(replaceInFile(site.filePath(u"gone.html"_s), 0, search(u"p"_s), u"q"_s, false).outcome, Outcome::Failed);
}

QTEST_APPLESS_MAIN(TestFolderSearch)
#include "tst_foldersearch.moc"
