// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textfile.h"
#include "jisvariantcodes.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineEnd)
Q_DECLARE_METATYPE(Refusal)

namespace {

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(TAGPOT_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

QString describe(const QList<UnencodableCharacter> &list)
{
    QStringList parts;
    for (const UnencodableCharacter &c : list)
        parts << u"U+%1@%2:%3"_s.arg(uint(c.character), 4, 16, QChar(u'0')).arg(c.line).arg(c.column);
    return parts.join(u' ');
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void readsFixtures_data();
    void readsFixtures();
    void readsBytes_data();
    void readsBytes();
    void refuses_data();
    void refuses();
    void unifiesLineEnds_data();
    void unifiesLineEnds();
    void writesLineEnds_data();
    void writesLineEnds();
    void writesFormat_data();
    void writesFormat();
    void writesJisVariants_data();
    void writesJisVariants();
    void keepsJisVariantCodes_data();
    void keepsJisVariantCodes();
    void findsUnencodable_data();
    void findsUnencodable();
    void findsDeclaredCharset_data();
    void findsDeclaredCharset();
    void survivesRandomBytes();
    void knowsWhatWritesBack_data();
    void knowsWhatWritesBack();
};

void TestTextFile::readsFixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<LineEnd>("lineEnd");
    QTest::addColumn<QString>("text");
    // Whether encoding the text again gives the same bytes; a mixed file does
    // not, it is written back from its bytes while unedited.
    QTest::addColumn<bool>("canonical");

    QTest::addRow("Shift_JIS, CRLF, half-width katakana, NEC specials and 0x5C bytes")
        << "sjis_crlf.html" << TextEncoding::ShiftJis << false << LineEnd::CrLf
        << u"<HTML><HEAD><TITLE>ｻﾝﾌﾟﾙのﾍﾟｰｼﾞ</TITLE></HEAD>\n<BODY>\n<P>①から⑩まで、㈱と№、表示とソース。</P>\n"
           u"<P>C:\\tagpot\\表示.html</P>\n</BODY></HTML>\n"_s
        << true;
    QTest::addRow("Shift_JIS, mixed line ends, CRLF the most")
        << "sjis_mixed.txt" << TextEncoding::ShiftJis << false << LineEnd::CrLf
        << u"一行目\n二行目\n三行目\n四行目\n五行目\n"_s << false;
    QTest::addRow("Shift_JIS, LF, no final line end")
        << "sjis_lf_no_final.txt" << TextEncoding::ShiftJis << false << LineEnd::Lf
        << u"ｶﾀｶﾅだけの行\n最後の行に改行なし"_s << true;
    QTest::addRow("EUC-JP, LF, hiragana that Shift_JIS would read as katakana")
        << "eucjp_lf.html" << TextEncoding::EucJp << false << LineEnd::Lf
        << u"<P>ひらがなとカタカナ、漢字。ﾊﾝｶｸも。</P>\n<P>二行目</P>\n"_s << true;
    QTest::addRow("EUC-JP declared by http-equiv, kanji that Shift_JIS also reads")
        << "eucjp_meta.html" << TextEncoding::EucJp << false << LineEnd::Lf
        << u"<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\"></HEAD>\n"
           u"<BODY>山田</BODY></HTML>\n"_s
        << true;
    QTest::addRow("ISO-2022-JP, CRLF")
        << "iso2022jp_crlf.txt" << TextEncoding::Iso2022Jp << false << LineEnd::CrLf
        << u"ISO-2022-JP の日本語。\nASCII line\n最後も日本語\n"_s << true;
    QTest::addRow("UTF-8 without BOM, LF, a no-break space and an emoji")
        << "utf8_lf.html" << TextEncoding::Utf8 << false << LineEnd::Lf
        << u"<meta charset=\"utf-8\">\n<P>日本語、NBSP→\u00a0←、絵文字😀</P>\n"_s << true;
    QTest::addRow("UTF-8 with BOM, CRLF")
        << "utf8_bom_crlf.html" << TextEncoding::Utf8 << true << LineEnd::CrLf
        << u"<P>BOM付きのUTF-8</P>\n<P>二行目</P>\n"_s << true;
    QTest::addRow("UTF-16LE with BOM, CRLF, a surrogate pair")
        << "utf16le_bom_crlf.txt" << TextEncoding::Utf16Le << true << LineEnd::CrLf
        << u"UTF-16 のテキスト\n😀 と ①\n"_s << true;
    QTest::addRow("UTF-8, CR only")
        << "utf8_cr.txt" << TextEncoding::Utf8 << false << LineEnd::Cr << u"古いMacの改行\n二行目\n"_s << true;
    QTest::addRow("ASCII page declaring Shift_JIS")
        << "ascii_meta_sjis.html" << TextEncoding::ShiftJis << false << LineEnd::CrLf
        << u"<html><head><meta charset=\"Shift_JIS\"><title>ascii</title></head></html>\n"_s << true;
    QTest::addRow("empty file: UTF-8 with CRLF, like a new document")
        << "empty.txt" << TextEncoding::Utf8 << false << LineEnd::CrLf << QString() << true;
}

void TestTextFile::readsFixtures()
{
    QFETCH(QString, file);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, bom);
    QFETCH(LineEnd, lineEnd);
    QFETCH(QString, text);
    QFETCH(bool, canonical);

    const QByteArray bytes = fixture(file.toUtf8().constData());
    const ReadText read = readText(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.format.encoding, encoding);
    QCOMPARE(read.format.byteOrderMark, bom);
    QCOMPARE(read.format.lineEnd, lineEnd);
    QCOMPARE(read.text, text);

    const WrittenText written = writeText(read.text, read.format);
    QVERIFY(written.ok());
    QCOMPARE(written.bytes == bytes, canonical);
    QCOMPARE(writesBack(read.text, read.format, bytes), canonical);
    if (!canonical)
        QCOMPARE(readText(written.bytes).text, text);
}

void TestTextFile::readsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");

    QTest::addRow("valid UTF-8 wins over a meta naming Shift_JIS")
        << QByteArray("<meta charset=\"Shift_JIS\">\xe6\x97\xa5") << TextEncoding::Utf8
        << u"<meta charset=\"Shift_JIS\">日"_s;
    QTest::addRow("kanji alone that both read, without a declaration, is Shift_JIS")
        << QByteArray("\xbb\xb3\xc5\xc4") << TextEncoding::ShiftJis << u"ｻｳﾅﾄ"_s;
    QTest::addRow("a declaration the bytes are invalid in is no hint")
        << QByteArray("<meta charset=euc-jp>\x88\x9f") << TextEncoding::ShiftJis << u"<meta charset=euc-jp>亜"_s;
    QTest::addRow("an unsupported declaration is no hint")
        << QByteArray("<meta charset=\"iso-8859-1\">\xa4\xa2\xa4\xa4") << TextEncoding::EucJp
        << u"<meta charset=\"iso-8859-1\">あい"_s;
    QTest::addRow("kanji that Shift_JIS reads as its user-defined area is EUC-JP")
        << QByteArray("\xf4\xa1") << TextEncoding::EucJp << u"堯"_s;
    QTest::addRow("ISO-2022-JP with its half-width katakana escape")
        << QByteArray("\x1b(I12\x1b(B") << TextEncoding::Iso2022Jp << u"ｱｲ"_s;
    QTest::addRow("ISO-2022-JP with an escape that designates nothing before the next")
        << QByteArray("\x1b$B$\"\x1b(B\x1b$B$$\x1b(B\x1b&@\x1b$B$&\x1b(B") << TextEncoding::Iso2022Jp << u"あいう"_s;
    QTest::addRow("ISO-2022-JP cut off inside a kanji is the ASCII it is")
        << QByteArray("\x1b$B$") << TextEncoding::Utf8 << u"\x1b$B$"_s;
    QTest::addRow("escape bytes that designate nothing are ASCII")
        << QByteArray("a\x1b[0mb") << TextEncoding::Utf8 << u"a\x1b[0mb"_s;
    QTest::addRow("UTF-16BE with BOM") << QByteArray("\xfe\xff\x30\x42") << TextEncoding::Utf16Be << u"あ"_s;
    QTest::addRow("a second byte order mark stays in the text")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "a") << TextEncoding::Utf8 << u"\ufeffa"_s;
    QTest::addRow("a byte order mark in the middle is a character")
        << QByteArray("a\xef\xbb\xbf" "b") << TextEncoding::Utf8 << u"a\ufeffb"_s;
}

void TestTextFile::readsBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);

    const ReadText read = readText(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.format.encoding, encoding);
    QCOMPARE(read.text, text);
}

void TestTextFile::refuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Refusal>("refusal");

    QTest::addRow("a picture: NUL bytes") << fixture("not_text.png") << Refusal::NotText;
    QTest::addRow("Shift_JIS text holding a NUL") << QByteArray("\x82\xa0\0\x82\xa2", 5) << Refusal::NotText;
    QTest::addRow("UTF-16LE holding a NUL character") << QByteArray("\xff\xfe" "a\0\0\0", 6) << Refusal::NotText;
    QTest::addRow("UTF-8 BOM followed by Shift_JIS") << QByteArray("\xef\xbb\xbf\x82\xa0") << Refusal::BrokenAfterBom;
    QTest::addRow("UTF-16LE BOM and an odd byte") << QByteArray("\xff\xfe" "a\0b", 5) << Refusal::BrokenAfterBom;
    QTest::addRow("UTF-16BE BOM and a lone surrogate") << QByteArray("\xfe\xff\xd8\x00\x00" "a", 6) << Refusal::BrokenAfterBom;
    QTest::addRow("a lead byte cut off at the end") << QByteArray("abc\x82") << Refusal::Undecodable;
    QTest::addRow("0x80, a control code only EUC-JP lets through") << QByteArray("\x80" "abc") << Refusal::Undecodable;
    QTest::addRow("0xFF, in no encoding") << QByteArray("abc\xff") << Refusal::Undecodable;
}

void TestTextFile::refuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Refusal, refusal);

    const ReadText read = readText(bytes);
    QCOMPARE(read.refusal, refusal);
    QVERIFY(read.text.isEmpty());
}

void TestTextFile::unifiesLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unified");
    QTest::addColumn<LineEnd>("style");

    QTest::addRow("CRLF only") << u"a\r\nb\r\n"_s << u"a\nb\n"_s << LineEnd::CrLf;
    QTest::addRow("LF only") << u"a\nb"_s << u"a\nb"_s << LineEnd::Lf;
    QTest::addRow("CR only") << u"a\rb\r"_s << u"a\nb\n"_s << LineEnd::Cr;
    QTest::addRow("mixed, LF the most") << u"a\nb\nc\r\nd\r"_s << u"a\nb\nc\nd\n"_s << LineEnd::Lf;
    QTest::addRow("mixed, CR the most") << u"a\rb\rc\r\nd\n"_s << u"a\nb\nc\nd\n"_s << LineEnd::Cr;
    QTest::addRow("a tie of CRLF and LF gives CRLF") << u"a\r\nb\n"_s << u"a\nb\n"_s << LineEnd::CrLf;
    QTest::addRow("a tie of LF and CR gives LF") << u"a\rb\n"_s << u"a\nb\n"_s << LineEnd::Lf;
    QTest::addRow("CR before CR LF is two line ends") << u"a\r\r\nb"_s << u"a\n\nb"_s << LineEnd::CrLf;
    QTest::addRow("LF CR is two line ends") << u"a\n\rb"_s << u"a\n\nb"_s << LineEnd::Lf;
    QTest::addRow("no line end gives CRLF") << u"abc"_s << u"abc"_s << LineEnd::CrLf;
    QTest::addRow("empty text gives CRLF") << QString() << QString() << LineEnd::CrLf;
    QTest::addRow("CR LF first and last") << u"\r\nab\r\n"_s << u"\nab\n"_s << LineEnd::CrLf;
    QTest::addRow("long lines and an LF among CR LFs")
        << QString(u"x"_s.repeated(5000) + u"\r\n"_s).repeated(3) + u"日本\n"_s
        << QString(u"x"_s.repeated(5000) + u"\n"_s).repeated(3) + u"日本\n"_s << LineEnd::CrLf;
}

void TestTextFile::unifiesLineEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, unified);
    QFETCH(LineEnd, style);

    QCOMPARE(unifyLineEnds(text), style);
    QCOMPARE(text, unified);
}

void TestTextFile::writesLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineEnd>("style");
    QTest::addColumn<QString>("written");

    QTest::addRow("CRLF: first, empty, last lines") << u"\na\n\nb\n"_s << LineEnd::CrLf << u"\r\na\r\n\r\nb\r\n"_s;
    QTest::addRow("CRLF: no line end") << u"ab"_s << LineEnd::CrLf << u"ab"_s;
    QTest::addRow("LF stays") << u"a\nb\n"_s << LineEnd::Lf << u"a\nb\n"_s;
    QTest::addRow("CR") << u"a\nb\n"_s << LineEnd::Cr << u"a\rb\r"_s;
    QTest::addRow("empty") << QString() << LineEnd::CrLf << QString();
}

void TestTextFile::writesLineEnds()
{
    QFETCH(QString, text);
    QFETCH(LineEnd, style);
    QFETCH(QString, written);

    QCOMPARE(withLineEnds(text, style), written);
}

void TestTextFile::writesFormat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<LineEnd>("lineEnd");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("Shift_JIS, CRLF, a 0x5C trail byte and NEC ①")
        << u"表示\n①"_s << TextEncoding::ShiftJis << false << LineEnd::CrLf << QByteArray("\x95\x5c\x8e\xa6\r\n\x87\x40");
    QTest::addRow("Shift_JIS: IBM kanji written with their IBM codes")
        << u"纊"_s << TextEncoding::ShiftJis << false << LineEnd::CrLf << QByteArray("\xfa\x5c");
    QTest::addRow("EUC-JP, LF, half-width katakana")
        << u"ｱ\nあ"_s << TextEncoding::EucJp << false << LineEnd::Lf << QByteArray("\x8e\xb1\n\xa4\xa2");
    QTest::addRow("ISO-2022-JP: half-width katakana after ESC ( I, kanji straight after")
        << u"ｱ日"_s << TextEncoding::Iso2022Jp << false << LineEnd::CrLf << QByteArray("\x1b(I1\x1b$BF|\x1b(B");
    QTest::addRow("ISO-2022-JP ending in kanji returns to ASCII")
        << u"日本"_s << TextEncoding::Iso2022Jp << false << LineEnd::CrLf << QByteArray("\x1b$BF|K\\\x1b(B");
    QTest::addRow("UTF-8 with BOM, LF") << u"あ\n"_s << TextEncoding::Utf8 << true << LineEnd::Lf
                                        << QByteArray("\xef\xbb\xbf\xe3\x81\x82\n");
    QTest::addRow("UTF-16BE with BOM, CR") << u"a\nb"_s << TextEncoding::Utf16Be << true << LineEnd::Cr
                                           << QByteArray("\xfe\xff\0a\0\r\0b", 8);
    QTest::addRow("an empty document with a BOM keeps its BOM")
        << QString() << TextEncoding::Utf8 << true << LineEnd::CrLf << QByteArray("\xef\xbb\xbf");
}

void TestTextFile::writesFormat()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, bom);
    QFETCH(LineEnd, lineEnd);
    QFETCH(QByteArray, bytes);

    const WrittenText written = writeText(text, TextFormat{encoding, bom, lineEnd});
    QVERIFY(written.ok());
    QCOMPARE(written.bytes, bytes);
}

void TestTextFile::writesJisVariants_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");

    for (const TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Iso2022Jp}) {
        for (const JisVariantCode &variant : jisVariantCodes) {
            for (const QChar character : {QChar(variant.typed), QChar(variant.read)}) {
                QTest::addRow("%s: %s U+%04X", qPrintable(encodingName(encoding).toString()),
                              qPrintable(QString(character)), character.unicode())
                    << character << encoding << "10" + variant.bytes(encoding) + "12";
            }
        }
    }
}

// Both characters of each pair are written as the pair's code, with no
// question: the scan for unencodable characters agrees with the encoder.
void TestTextFile::writesJisVariants()
{
    QFETCH(QChar, character);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);

    const WrittenText written = writeText(QString(u"10"_s + character + u"12"_s), TextFormat{encoding, false, LineEnd::CrLf});
    QVERIFY2(written.ok(), qPrintable(describe(written.unencodable)));
    QCOMPARE(written.bytes, bytes);
    QVERIFY(canEncode(character.unicode(), encoding));
}

void TestTextFile::keepsJisVariantCodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QByteArray shiftJis("<meta charset=shift_jis>");
    QByteArray eucJp("<meta charset=euc-jp>");
    QByteArray jis("<meta charset=iso-2022-jp>\x1b$B");
    QString text;
    for (const JisVariantCode &variant : jisVariantCodes) {
        shiftJis += variant.shiftJis;
        eucJp += variant.eucJp;
        jis += variant.jis;
        text += QChar(variant.read);
    }
    jis += "\x1b(B";
    QTest::addRow("Shift_JIS: the six codes read as ～ － ∥ ￠ ￡ ￢ and are written back")
        << shiftJis << TextEncoding::ShiftJis << u"<meta charset=shift_jis>"_s + text << shiftJis;
    QTest::addRow("EUC-JP: the six codes read as ～ － ∥ ￠ ￡ ￢ and are written back")
        << eucJp << TextEncoding::EucJp << u"<meta charset=euc-jp>"_s + text << eucJp;
    QTest::addRow("ISO-2022-JP: the six codes read as ～ － ∥ ￠ ￡ ￢ and are written back")
        << jis << TextEncoding::Iso2022Jp << u"<meta charset=iso-2022-jp>"_s + text << jis;
    // Codes no browser reads; after an edit the page gets the codes of JIS X 0208.
    QTest::addRow("EUC-JP: the IBM codes 8E E0-E2 read as ¢ £ ¬, written as the codes every reader knows")
        << QByteArray("<meta charset=euc-jp>\x8e\xe0\x8e\xe1\x8e\xe2") << TextEncoding::EucJp
        << u"<meta charset=euc-jp>¢£¬"_s << QByteArray("<meta charset=euc-jp>\xa1\xf1\xa1\xf2\xa2\xcc");
}

// Reading keeps the characters the program has always read, so a page saved
// after an unrelated edit keeps the codes of these characters.
void TestTextFile::keepsJisVariantCodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);

    const ReadText read = readText(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.format.encoding, encoding);
    QCOMPARE(read.text, text);
    const WrittenText again = writeText(read.text, read.format);
    QVERIFY(again.ok());
    QCOMPARE(again.bytes, written);
}

void TestTextFile::findsUnencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QList<UnencodableCharacter>>("expected");
    QTest::addColumn<qsizetype>("count");

    using List = QList<UnencodableCharacter>;
    QTest::addRow("an emoji in Shift_JIS, counted as one character")
        << u"<P>\n顔😀です😀</P>"_s << TextEncoding::ShiftJis << List{{U'😀', 2, 2}, {U'😀', 2, 5}} << qsizetype(2);
    QTest::addRow("the em dash U+2014 has no Shift_JIS code")
        << u"10—20"_s << TextEncoding::ShiftJis << List{{U'—', 1, 3}} << qsizetype(1);
    for (const TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Iso2022Jp}) {
        QTest::addRow("%s: an emoji among the six pairs of JIS variants is listed, they are not",
                      qPrintable(encodingName(encoding).toString()))
            << u"10時〜12時 −5 ‖\n¢£¬😀～－∥￠￡￢"_s << encoding << List{{U'😀', 2, 4}} << qsizetype(1);
    }
    QTest::addRow("é and the yen sign in Shift_JIS")
        << u"café\n¥100"_s << TextEncoding::ShiftJis << List{{U'é', 1, 4}, {U'¥', 2, 1}} << qsizetype(2);
    QTest::addRow("a JIS X 0212 kanji in ISO-2022-JP, which EUC-JP has")
        << u"丂"_s << TextEncoding::Iso2022Jp << List{{U'丂', 1, 1}} << qsizetype(1);
    QTest::addRow("an ESC character in ISO-2022-JP would read back as a shift")
        << u"a\x1b$Bb"_s << TextEncoding::Iso2022Jp << List{{U'\x1b', 1, 2}} << qsizetype(1);
    QTest::addRow("a lone surrogate fits no encoding, UTF-8 neither")
        << u"a"_s + QChar(0xD800) << TextEncoding::Utf8 << List{{0xD800, 1, 2}} << qsizetype(1);
    QTest::addRow("a lone surrogate, UTF-16 neither")
        << QString(QChar(0xDC00)) << TextEncoding::Utf16Le << List{{0xDC00, 1, 1}} << qsizetype(1);
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Be, TextEncoding::ShiftJis}) {
        QTest::addRow("%s: a pasted NUL is refused where it stands, since the file would not open as text",
                      qPrintable(encodingName(encoding).toString()))
            << u"<p>\nab"_s + QChar(0) + u"c"_s << encoding << List{{0, 2, 3}} << qsizetype(1);
    }
    QList<UnencodableCharacter> many;
    for (int i = 1; i <= unencodableListed; ++i)
        many.append({U'😀', i, 1});
    QTest::addRow("many: the first ones are listed, all are counted")
        << u"😀\n"_s.repeated(unencodableListed + 5) << TextEncoding::EucJp << many << qsizetype(unencodableListed + 5);
}

void TestTextFile::findsUnencodable()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QList<UnencodableCharacter>, expected);
    QFETCH(qsizetype, count);

    const WrittenText written = writeText(text, TextFormat{encoding, false, LineEnd::CrLf});
    QVERIFY(!written.ok());
    QVERIFY(written.bytes.isEmpty());
    QCOMPARE(describe(written.unencodable), describe(expected));
    QCOMPARE(written.unencodableCount, count);
}

void TestTextFile::findsDeclaredCharset_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<TextEncoding>>("declared");

    QTest::addRow("meta charset, double quotes") << QByteArray("<meta charset=\"Shift_JIS\">")
                                                 << std::optional(TextEncoding::ShiftJis);
    QTest::addRow("META CHARSET in capitals, no quotes") << QByteArray("<META CHARSET=EUC-JP>")
                                                         << std::optional(TextEncoding::EucJp);
    QTest::addRow("http-equiv Content-Type, single quotes")
        << QByteArray("<meta http-equiv='Content-Type' content='text/html; charset=x-sjis'>")
        << std::optional(TextEncoding::ShiftJis);
    QTest::addRow("spaces around the equals sign") << QByteArray("<meta charset = \"iso-2022-jp\" />")
                                                   << std::optional(TextEncoding::Iso2022Jp);
    QTest::addRow("the first declaration decides") << QByteArray("<meta charset=utf-8><meta charset=euc-jp>")
                                                   << std::optional(TextEncoding::Utf8);
    QTest::addRow("an unknown charset declares nothing") << QByteArray("<meta charset=\"koi8-r\">")
                                                         << std::optional<TextEncoding>();
    QTest::addRow("charset outside a meta tag is not a declaration")
        << QByteArray("<p>charset=euc-jp</p><metadata charset=euc-jp>") << std::optional<TextEncoding>();
    QTest::addRow("a declaration far down the page is ignored")
        << QByteArray(70000, ' ') + "<meta charset=euc-jp>" << std::optional<TextEncoding>();
}

void TestTextFile::findsDeclaredCharset()
{
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<TextEncoding>, declared);

    QCOMPARE(declaredEncoding(bytes), declared);
}

// Bytes made to break the reader: random ones, and the fixtures cut short,
// with stray lead bytes, NULs, lone CRs, escapes and byte order marks put in.
// Each is either refused, or read into a text that its own format can write
// and that the written bytes read back as.
void TestTextFile::survivesRandomBytes()
{
    const QList<QByteArray> seeds{fixture("sjis_crlf.html"), fixture("eucjp_lf.html"), fixture("iso2022jp_crlf.txt"),
                                  fixture("utf8_lf.html"), fixture("utf8_bom_crlf.html"), fixture("utf16le_bom_crlf.txt")};
    static const QByteArrayView inserts[] = {"\x81", "\x9f", "\xe0", "\xfc", "\x8e", "\x8f", "\xa4", "\x80", "\0",
                                             "\r", "\n", "\x1b$B", "\x1b(B", "\x1b(I", "\xef\xbb\xbf", "\xff\xfe",
                                             "\xfe\xff", "\xe2\x80\xa9", "\xef\xb7\x90", "\xc2\xa0", "\xed\xa0\x80"};
    QRandomGenerator random(20240603);
    int refusedCount = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes;
        if (round % 4 == 0) {
            bytes.resize(random.bounded(48));
            for (char &b : bytes)
                b = char(random.bounded(256));
        } else {
            bytes = seeds[random.bounded(int(seeds.size()))];
            for (int edits = 1 + random.bounded(3); edits > 0; --edits) {
                const qsizetype at = random.bounded(int(bytes.size()) + 1);
                switch (random.bounded(4)) {
                case 0:
                    bytes.truncate(at);
                    break;
                case 1:
                    if (at < bytes.size())
                        bytes[at] = char(random.bounded(256));
                    break;
                default: {
                    const QByteArrayView insert = inserts[random.bounded(int(std::size(inserts)))];
                    bytes.insert(at, insert.data(), insert.size() ? insert.size() : 1);
                    break;
                }
                }
            }
        }
        const ReadText read = readText(bytes);
        if (!read.ok()) {
            QVERIFY2(read.refusal != Refusal::None && read.text.isEmpty(), bytes.toHex(' ').constData());
            ++refusedCount;
            continue;
        }
        const WrittenText written = writeText(read.text, read.format);
        QVERIFY2(written.ok(), bytes.toHex(' ').constData());
        const ReadText again = readText(written.bytes);
        if (again.ok() && again.format.encoding == read.format.encoding)
            QVERIFY2(again.text == read.text, bytes.toHex(' ').constData());
        QByteArrayView body = written.bytes;
        if (read.format.byteOrderMark)
            body = body.sliced(read.format.encoding == TextEncoding::Utf8 ? 3 : 2);
        auto decoded = decodeStrictly(body, read.format.encoding);
        QVERIFY2(decoded.has_value(), bytes.toHex(' ').constData());
        unifyLineEnds(*decoded);
        QVERIFY2(*decoded == read.text, bytes.toHex(' ').constData());
    }
    // Both ways must have been taken often for the run to mean anything.
    QVERIFY(refusedCount > 400);
    QVERIFY(refusedCount < 3600);
}

void TestTextFile::knowsWhatWritesBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("writesBack");

    const QByteArray sjis = fixture("sjis_crlf.html");
    QByteArray manyPieces;
    while (manyPieces.size() < 3 * 1024 * 1024)
        manyPieces += sjis;

    QTest::addRow("UTF-8, CRLF throughout") << QByteArray("<P>\xe6\x97\xa5</P>\r\n<P>b</P>\r\n") << true;
    QTest::addRow("UTF-8, CRLF with one LF alone") << QByteArray("a\r\nb\nc\r\nd\r\n") << false;
    QTest::addRow("UTF-8, CRLF with one CR alone") << QByteArray("a\r\nb\rc\r\nd\r\n") << false;
    QTest::addRow("UTF-8, CRLF, a CR as the last byte") << QByteArray("a\r\nb\r\nc\r") << false;
    QTest::addRow("UTF-8, LF with a CRLF among them") << QByteArray("a\nb\nc\r\nd\ne\n") << false;
    QTest::addRow("UTF-8, no line end at all") << QByteArray("<P>\xe6\x97\xa5</P>") << true;
    QTest::addRow("UTF-8 with BOM, LF") << QByteArray("\xef\xbb\xbf" "a\nb\n") << true;
    QTest::addRow("Shift_JIS, an IBM kanji by its NEC-selected code")
        << QByteArray("<meta charset=\"Shift_JIS\">\r\n\xee\xef\r\n") << false;
    QTest::addRow("Shift_JIS, the same kanji by its IBM code")
        << QByteArray("<meta charset=\"Shift_JIS\">\r\n\xfa\x40\r\n") << true;
    QTest::addRow("Shift_JIS, megabytes: checked a piece at a time") << manyPieces << true;
    QTest::addRow("Shift_JIS, megabytes, one LF alone at the end") << manyPieces + "\x82\xa0\n" << false;
}

// Whether the file's bytes may be let go: only when writing the text gives
// back every byte.
void TestTextFile::knowsWhatWritesBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, writesBack);

    const ReadText read = readText(bytes);
    QVERIFY(read.ok());
    QCOMPARE(::writesBack(read.text, read.format, bytes), writesBack);
    QCOMPARE(writeText(read.text, read.format).bytes == bytes, writesBack);
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
