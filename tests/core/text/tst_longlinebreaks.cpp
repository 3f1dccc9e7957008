// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/longlinebreaks.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString repeated(const QString &piece, qsizetype length)
{
    QString text;
    while (text.size() < length)
        text += piece;
    return text.left(length);
}

// The longest run of the line between its cuts (or its ends).
qsizetype longestPiece(const QString &text, const QList<qsizetype> &breaks)
{
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        if (cut == text.size() || text[cut] == u'\n' || breaks.contains(cut)) {
            longest = std::max(longest, cut - start);
            start = cut + 1;
        }
    }
    return longest;
}

} // namespace

class TestLongLineBreaks : public QObject
{
    Q_OBJECT
private slots:
    void cuts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cuts");
        // Pieces come as long as this, and at most a short word shorter.
        QTest::addColumn<qsizetype>("longestPiece");

        const QString markup = u"<div class=\"item\"><a href=\"/a.html\">日本語</a></div>"_s;
        QTest::addRow("an ordinary page is left whole")
            << repeated(markup + u'\n', 50'000) << 0 << qsizetype(markup.size());
        QTest::addRow("a line just at the limit is left whole")
            << repeated(markup, longLineFrom) << 0 << longLineFrom;
        QTest::addRow("a minified line is cut into pieces at spaces")
            << repeated(markup, 1'000'000) << 122 << longLinePieceMost;
        QTest::addRow("tabs are cut at as spaces are")
            << repeated(u"<td>\t</td>"_s, 100'000) << 12 << longLinePieceMost;
        QTest::addRow("only the long line of a page is cut")
            << (u"<html>\n"_s + repeated(markup, 40'000) + u"\n</html>\n"_s) << 4 << longLinePieceMost;
        QTest::addRow("a line with no space stays whole")
            << repeated(u"QUJDREVGRw=="_s, 100'000) << 0 << qsizetype(100'000);
        QTest::addRow("a far space is still cut at")
            << (repeated(u"x"_s, 30'000) + u' ' + repeated(u"y"_s, 30'000)) << 1 << qsizetype(30'000);
        QTest::addRow("a space before a combining mark is not cut at")
            << (repeated(u"x"_s, 20'000) + u" \u0301"_s + repeated(u"y"_s, 20'000)) << 0 << qsizetype(40'002);
        QTest::addRow("a space ending the line is not cut at")
            << (repeated(u"x"_s, 20'000) + u' ') << 0 << qsizetype(20'001);
    }

    void cuts()
    {
        QFETCH(QString, text);
        QFETCH(int, cuts);
        QFETCH(qsizetype, longestPiece);

        const QList<qsizetype> breaks = longLineBreaks(text);
        QCOMPARE(breaks.size(), cuts);
        QVERIFY(std::is_sorted(breaks.begin(), breaks.end()));
        for (qsizetype at : breaks) {
            QVERIFY2(text[at] == u' ' || text[at] == u'\t', qPrintable(u"cut at %1"_s.arg(at)));
            QVERIFY(at + 1 < text.size() && text[at + 1] != u'\n');
        }
        const qsizetype longest = ::longestPiece(text, breaks);
        QVERIFY2(longest <= longestPiece && longest > longestPiece - 16, qPrintable(QString::number(longest)));
    }
};

QTEST_APPLESS_MAIN(TestLongLineBreaks)
#include "tst_longlinebreaks.moc"
