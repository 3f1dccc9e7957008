// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/closingtag.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClosingTag : public QObject
{
    Q_OBJECT
private slots:
    void elementToClose_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("expected"); // empty: nothing offered

        QTest::addRow("nothing open") << u"text"_s << QString();
        QTest::addRow("the innermost open element") << u"<div><p>text"_s << u"p"_s;
        QTest::addRow("upper-case legacy markup keeps its spelling") << u"<TABLE width='80%'>\n<TR>"_s << u"TR"_s;
        QTest::addRow("a closed element is no longer open") << u"<div><p>a</p>"_s << u"div"_s;
        QTest::addRow("end tags match whatever their case") << u"<TABLE><TR><TD>a</td></Tr>"_s << u"TABLE"_s;
        QTest::addRow("an end tag closes what was left open inside it") << u"<ul><li>a<li>b</ul><p>"_s << u"p"_s;
        QTest::addRow("an end tag with nothing of its name open is ignored") << u"<b>x</i>"_s << u"b"_s;
        QTest::addRow("void elements never open") << u"<p>a<BR><IMG src=\"a.gif\"><hr>"_s << u"p"_s;
        QTest::addRow("self-closed elements never open") << u"<p>a<span/>"_s << u"p"_s;
        QTest::addRow("tags inside comments are ignored") << u"<p><!-- <div> -->"_s << u"p"_s;
        QTest::addRow("a comment still open offers nothing") << u"<p><!-- <div>"_s << QString();
        QTest::addRow("the doctype opens nothing") << u"<!DOCTYPE html>"_s << QString();
        QTest::addRow("tags inside a script are ignored") << u"<p><script>document.write('<div>');</script>"_s << u"p"_s;
        QTest::addRow("inside a script, the script") << u"<p><SCRIPT>if (a < b) x = '<div>';"_s << u"SCRIPT"_s;
        QTest::addRow("inside a style, the style") << u"<style>\nP { }\n"_s << u"style"_s;
        QTest::addRow("a '>' inside a quoted value does not end the tag") << u"<a title=\"a>b\"><b>"_s << u"b"_s;
        QTest::addRow("the text ending inside a tag offers nothing") << u"<p><a href=\"x"_s << QString();
        QTest::addRow("a less-than sign in text is not a tag") << u"<p>a < b"_s << u"p"_s;
        QTest::addRow("paragraph separators as the editor hands them") << u"<TABLE>\u2029<TR>\u2029</TR>"_s << u"TABLE"_s;
    }

    void elementToClose()
    {
        QFETCH(QString, before);
        QFETCH(QString, expected);
        QCOMPARE(::elementToClose(before).value_or(QString()), expected);
    }
};

QTEST_APPLESS_MAIN(TestClosingTag)
#include "tst_closingtag.moc"
