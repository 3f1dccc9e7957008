// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/linkmarkup.h"

#include "core/document/textencoding.h"
#include "filebytes.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLinkMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void markupForEachKind_data();
    void markupForEachKind();
    void addresses_data();
    void addresses();
    void titles_data();
    void titles();

private:
    QTemporaryDir m_site;
};

void TestLinkMarkup::initTestCase()
{
    QVERIFY(m_site.isValid());
    const QDir site(m_site.path());
    site.mkpath(u"pages/sub"_s);
    site.mkpath(u"images"_s);
    QImage image(33, 17, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(site.filePath(u"images/logo.png"_s)));
    writeBytes(site.filePath(u"images/broken.png"_s), "not a picture");
    // A Shift_JIS page, its title read in its own encoding.
    writeBytes(site.filePath(u"pages/about.html"_s),
               *encodeStrictly(u"<HTML><HEAD><TITLE>会社 &amp;\r\n 案内</TITLE></HEAD></HTML>"_s, TextEncoding::ShiftJis));
    writeBytes(site.filePath(u"pages/untitled.htm"_s), "<p>no title</p>");
    writeBytes(site.filePath(u"site.css"_s), "p {}");
    writeBytes(site.filePath(u"pages/sub/menu.js"_s), "");
    writeBytes(site.filePath(u"notes.txt"_s), "");
}

void TestLinkMarkup::markupForEachKind_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("today");

    // The page the file is dropped into is pages/index.html.
    QTest::addRow("a page beside it, with its title")
        << u"pages/about.html"_s << u"<A href='about.html'>会社 &amp; 案内</A>"_s
        << u"<a href=\"about.html\">会社 &amp; 案内</a>"_s;
    QTest::addRow("a page with no title is named after its file")
        << u"pages/untitled.htm"_s << u"<A href='untitled.htm'>untitled.htm</A>"_s
        << u"<a href=\"untitled.htm\">untitled.htm</a>"_s;
    QTest::addRow("an image in a folder beside, with its pixel size")
        << u"images/logo.png"_s << u"<IMG src='../images/logo.png' alt='' width='33' height='17'>"_s
        << u"<img src=\"../images/logo.png\" alt=\"\" width=\"33\" height=\"17\">"_s;
    QTest::addRow("an image of unknown size gets none")
        << u"images/broken.png"_s << u"<IMG src='../images/broken.png' alt=''>"_s
        << u"<img src=\"../images/broken.png\" alt=\"\">"_s;
    QTest::addRow("a stylesheet one folder up")
        << u"site.css"_s << u"<LINK rel='stylesheet' href='../site.css'>"_s
        << u"<link rel=\"stylesheet\" href=\"../site.css\">"_s;
    QTest::addRow("a script in a sub-folder")
        << u"pages/sub/menu.js"_s << u"<SCRIPT src='sub/menu.js' defer></SCRIPT>"_s
        << u"<script src=\"sub/menu.js\" defer></script>"_s;
    QTest::addRow("any other file is linked")
        << u"notes.txt"_s << u"<A href='../notes.txt'>notes.txt</A>"_s << u"<a href=\"../notes.txt\">notes.txt</a>"_s;
}

void TestLinkMarkup::markupForEachKind()
{
    QFETCH(QString, target);
    QFETCH(QString, designed);
    QFETCH(QString, today);

    const QDir site(m_site.path());
    const LinkTarget described = describeLinkTarget(site.filePath(target));
    const QString pageFolder = site.filePath(u"pages"_s);
    QCOMPARE(linkMarkup(described, pageFolder, MarkupStyle::Designed), designed);
    QCOMPARE(linkMarkup(described, pageFolder, MarkupStyle::Html5), today);
}

void TestLinkMarkup::addresses_data()
{
    QTest::addColumn<QString>("pageFolder");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("address");

    QTest::addRow("blanks, quotes and signs of an address are encoded, Japanese names kept")
        << u"/site"_s << u"/site/写真 1/it's #1?.png"_s << u"写真%201/it%27s%20%231%3F.png"_s;
    QTest::addRow("a page never saved names the file by its file: address")
        << QString() << u"/site/a b.png"_s << u"file:///site/a%20b.png"_s;
}

void TestLinkMarkup::addresses()
{
    QFETCH(QString, pageFolder);
    QFETCH(QString, target);
    QFETCH(QString, address);
    QCOMPARE(relativeAddress(pageFolder, target), address);
}

void TestLinkMarkup::titles_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");

    QTest::addRow("upper case, with attributes and blanks")
        << u"<HEAD><TITLE lang=ja>\n  ようこそ\n</TITLE>"_s << u"ようこそ"_s;
    QTest::addRow("the first of two") << u"<title>a</title><title>b</title>"_s << u"a"_s;
    QTest::addRow("a '<' as it is") << u"<title>1 < 2</title>"_s << u"1 < 2"_s;
    QTest::addRow("none") << u"<titles>x</titles>"_s << QString();
}

void TestLinkMarkup::titles()
{
    QFETCH(QString, page);
    QFETCH(QString, title);
    QCOMPARE(pageTitle(page), title);
}

QTEST_APPLESS_MAIN(TestLinkMarkup)
#include "tst_linkmarkup.moc"
