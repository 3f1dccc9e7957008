// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textfingerprint.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextFingerprint : public QObject
{
    Q_OBJECT

private slots:
    void sameWhateverTheParts_data();
    void sameWhateverTheParts();
    void tellsTextsApart_data();
    void tellsTextsApart();
};

static QString longPage()
{
    QString text;
    for (int i = 0; text.size() < 100'000; ++i)
        text += u"<P>段落 %1 の本文😀</P>\n"_s.arg(i);
    return text;
}

void TestTextFingerprint::sameWhateverTheParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("asShown");
    QTest::addColumn<int>("partSize");

    const QString page = longPage();
    QTest::addRow("a page in one part") << page << page << int(page.size());
    QTest::addRow("a page a character at a time") << page << page << 1;
    QTest::addRow("a page in parts of 7") << page << page << 7;
    QTest::addRow("a page in parts larger than the hash works on") << page << page << 40'000;
    QTest::addRow("paragraph separators count as the line ends the editor gives back")
        << u"a\u2029b\ufdd0c\ufdd1d"_s << u"a\nb\nc\nd"_s << 2;
    QTest::addRow("an empty text") << QString() << QString() << 1;
}

// A page that went into the editor piece by piece is known as the text the
// file gave, however it was cut.
void TestTextFingerprint::sameWhateverTheParts()
{
    QFETCH(QString, text);
    QFETCH(QString, asShown);
    QFETCH(int, partSize);

    TextFingerprinter parts;
    for (qsizetype at = 0; at < text.size(); at += partSize)
        parts.add(QStringView(text).sliced(at, std::min<qsizetype>(partSize, text.size() - at)));
    QCOMPARE(parts.result(), fingerprintOf(text));
    QCOMPARE(parts.result(), fingerprintOf(asShown));
    QCOMPARE(parts.result().size, text.size());
}

void TestTextFingerprint::tellsTextsApart_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("edited");

    const QString page = longPage();
    QString oneCharacter = page;
    oneCharacter[oneCharacter.size() / 2] = u'x';
    QString swapped = page;
    std::swap(swapped[10], swapped[11]);
    QTest::addRow("one character changed in the middle") << page << oneCharacter;
    QTest::addRow("two characters swapped") << page << swapped;
    QTest::addRow("a line end added at the end") << page << page + u'\n';
    QTest::addRow("the last character taken away") << page << page.chopped(1);
    QTest::addRow("a no-break space for a space") << u"a b"_s << u"a\u00a0b"_s;
    QTest::addRow("a tab for a line end") << u"a\nb"_s << u"a\tb"_s;
}

void TestTextFingerprint::tellsTextsApart()
{
    QFETCH(QString, read);
    QFETCH(QString, edited);

    QVERIFY(fingerprintOf(read) != fingerprintOf(edited));
    // Nothing read yet is unlike any text, the empty one included.
    QVERIFY(TextFingerprint() != fingerprintOf(QString()));
}

QTEST_APPLESS_MAIN(TestTextFingerprint)
#include "tst_textfingerprint.moc"
