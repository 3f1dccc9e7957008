// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/filekind.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageKind)

class TestFileKind : public QObject
{
    Q_OBJECT
private slots:
    void kindOfFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<PageKind>("kind");

        QTest::addRow(".html") << u"/home/u/site/index.html"_s << PageKind::Html;
        QTest::addRow(".HTM in capitals") << u"C:\\HP\\TOP.HTM"_s << PageKind::Html;
        QTest::addRow(".shtml") << u"inc/menu.shtml"_s << PageKind::Html;
        QTest::addRow(".xhtml") << u"a.xhtml"_s << PageKind::Html;
        QTest::addRow(".css") << u"/site/css/style.css"_s << PageKind::Css;
        QTest::addRow(".js") << u"/site/js/menu.js"_s << PageKind::JavaScript;
        QTest::addRow(".mjs") << u"app.mjs"_s << PageKind::JavaScript;
        QTest::addRow("a text file is plain") << u"readme.txt"_s << PageKind::Plain;
        QTest::addRow("a dotted folder and a file with no suffix is plain") << u"/site.html/LICENSE"_s << PageKind::Plain;
        QTest::addRow("a hidden file named like a suffix is plain") << u"/home/u/.css"_s << PageKind::Plain;
        QTest::addRow("a suffix that only starts like one is plain") << u"x.json"_s << PageKind::Plain;
    }

    void kindOfFile()
    {
        QFETCH(QString, path);
        QFETCH(PageKind, kind);
        QCOMPARE(pageKindOfFile(path), kind);
    }
};

QTEST_APPLESS_MAIN(TestFileKind)
#include "tst_filekind.moc"
