// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// The converter names Qt hands on to ICU. windows-31j is code page 932 itself,
// NEC row 13 and the IBM extensions included.
const char *converterName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16Le:
        return "UTF-16LE";
    case TextEncoding::Utf16Be:
        return "UTF-16BE";
    case TextEncoding::ShiftJis:
        return "windows-31j";
    case TextEncoding::EucJp:
        return "EUC-JP";
    case TextEncoding::Iso2022Jp:
        return "ISO-2022-JP";
    }
    return "UTF-8";
}

// Each call is a whole text, and a leading byte order mark stays a character:
// the caller deals with marks itself, so a second mark is never swallowed.
constexpr QStringConverter::Flags strictFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

bool isUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

bool hasLoneSurrogate(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

bool startsWith(QByteArrayView bytes, qsizetype at, QByteArrayView what)
{
    return bytes.size() - at >= what.size() && std::memcmp(bytes.data() + at, what.data(), size_t(what.size())) == 0;
}

bool hasC1Control(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0x9F; });
}

bool isHalfWidthKatakana(QChar c)
{
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

// In UTF-8, Shift_JIS and EUC-JP a 0x0A byte is always a line feed, never part
// of a character, so the bytes can be decoded a piece at a time, ending each
// piece after a line feed. A bad sequence then stops the work early, which
// matters when a large file is tried in an encoding it is not in.
// The EUC-JP converter lets the bytes 0x80-0x8D through as C1 controls; they
// are not EUC-JP, but they are what Shift_JIS lead bytes turn into.
std::optional<QString> decodeByPieces(QByteArrayView bytes, TextEncoding encoding)
{
    const bool refuseC1 = encoding == TextEncoding::EucJp;
    constexpr qsizetype pieceSize = qsizetype(1) << 20;
    QStringDecoder decoder(converterName(encoding), strictFlags);
    if (!decoder.isValid())
        return std::nullopt;
    QString text(bytes.size(), Qt::Uninitialized);
    qsizetype written = 0;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype to = bytes.size();
        if (to - from > pieceSize) {
            const void *lf = std::memchr(bytes.data() + from + pieceSize, '\n', size_t(bytes.size() - from - pieceSize));
            if (lf)
                to = static_cast<const char *>(lf) - bytes.data() + 1;
        }
        const QByteArrayView piece = bytes.sliced(from, to - from);
        const qsizetype room = decoder.requiredSpace(piece.size());
        if (written + room > text.size())
            text.resize(written + room);
        QChar *const start = text.data() + written;
        const qsizetype decoded = decoder.appendToBuffer(start, piece) - start;
        if (decoder.hasError() || (refuseC1 && hasC1Control(QStringView(start, decoded))))
            return std::nullopt;
        written += decoded;
        from = to;
    }
    text.truncate(written);
    if (text.capacity() - text.size() > text.size() / 4)
        text.squeeze();
    return text;
}

std::optional<QString> decodeWhole(QByteArrayView bytes, TextEncoding encoding)
{
    QStringDecoder decoder(converterName(encoding), strictFlags);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The length of the ISO-2022-JP escape sequence at bytes[at], 0 for none we know.
qsizetype escapeLength(QByteArrayView bytes, qsizetype at)
{
    static constexpr QByteArrayView sequences[] = {"\x1b(B", "\x1b(J", "\x1b(I", "\x1b$@", "\x1b$B", "\x1b&@", "\x1b$(D"};
    for (const QByteArrayView sequence : sequences) {
        if (startsWith(bytes, at, sequence))
            return sequence.size();
    }
    return 0;
}

// The converter refuses an escape sequence followed at once by another one,
// which some writers emit (and JIS X 0208-1990 prescribes, ESC & @ ESC $ B).
// The first of the two designates nothing, so dropping it keeps the text.
QByteArray withoutIdleEscapes(QByteArrayView bytes)
{
    QByteArray kept;
    kept.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = bytes[at] == '\x1b' ? escapeLength(bytes, at) : 0;
        if (length > 0 && at + length < bytes.size() && bytes[at + length] == '\x1b') {
            at += length;
            continue;
        }
        kept.append(bytes[at]);
        ++at;
    }
    return kept;
}

// The ISO-2022-JP converter keeps a half kanji or a half escape at the end to
// itself without an error. A line feed after the bytes makes it say so: it is
// never part of a character, and it comes back as the last one.
std::optional<QString> decodeIso2022Jp(QByteArrayView bytes)
{
    QByteArray terminated = withoutIdleEscapes(bytes);
    terminated.append('\n');
    auto text = decodeWhole(terminated, TextEncoding::Iso2022Jp);
    if (!text || !text->endsWith(u'\n'))
        return std::nullopt;
    text->chop(1);
    return text;
}

std::optional<QByteArray> encodeRun(QStringView text, TextEncoding encoding)
{
    QStringEncoder encoder(converterName(encoding), strictFlags);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// The converter writes no JIS X 0201 katakana, which old mail and pages carry
// after ESC ( I; those runs are written here. An escape may not follow another
// one at once, so ESC ( B goes only where ASCII follows, and at the end: the
// converter is never flushed, and every ISO-2022-JP text ends in ASCII.
std::optional<QByteArray> encodeIso2022Jp(QStringView text)
{
    QByteArray bytes;
    bool inKatakana = false;
    qsizetype from = 0;
    while (from < text.size()) {
        const bool katakana = isHalfWidthKatakana(text[from]);
        qsizetype to = from;
        while (to < text.size() && isHalfWidthKatakana(text[to]) == katakana)
            ++to;
        const QStringView run = text.sliced(from, to - from);
        if (katakana) {
            bytes.append("\x1b(I");
            for (const QChar c : run)
                bytes.append(char(c.unicode() - 0xFF61 + 0x21));
        } else {
            const auto encoded = encodeRun(run, TextEncoding::Iso2022Jp);
            if (!encoded)
                return std::nullopt;
            if (inKatakana && !encoded->startsWith('\x1b'))
                bytes.append("\x1b(B");
            bytes.append(*encoded);
        }
        inKatakana = katakana;
        from = to;
    }
    const qsizetype escape = bytes.lastIndexOf('\x1b');
    if (escape >= 0 && !startsWith(bytes, escape, "\x1b(B"))
        bytes.append("\x1b(B");
    return bytes;
}

// Two mapping tables of Japanese are in wide use, and for six codes of JIS
// X 0208 they name different characters: the JIS table, which Linux input
// methods type, says 〜 − ‖ ¢ £ ¬; the Windows table, which the converters
// here read and write, says their full-width look-alikes. Both name the same
// code, so a typed character is written as the code its look-alike has.
// Reading keeps the converters' characters, so the bytes a page was read
// from are the bytes it is written as.
struct Variant {
    char16_t typed;
    char16_t known;
};
constexpr Variant jisVariants[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 ～
    {u'\u2212', u'\uFF0D'}, // − －
    {u'\u2016', u'\u2225'}, // ‖ ∥
    {u'\u00A2', u'\uFFE0'}, // ¢ ￠
    {u'\u00A3', u'\uFFE1'}, // £ ￡
    {u'\u00AC', u'\uFFE2'}, // ¬ ￢
};

// The typed characters of jisVariants, as comparisons the compiler can make
// on eight characters at once.
constexpr bool isTypedVariant(char16_t c)
{
    return (c == 0x301C) | (c == 0x2212) | (c == 0x2016) | (c == 0x00A2) | (c == 0x00A3) | (c == 0x00AC);
}

static_assert(std::all_of(std::begin(jisVariants), std::end(jisVariants),
                          [](const Variant &variant) { return isTypedVariant(variant.typed) && !isTypedVariant(variant.known); }));

// Whether one of the six is among the variantBlock characters at data. The
// whole block is tested without an early exit, eight characters at a time:
// every save of a Japanese page runs this, and most pages hold none of them.
constexpr qsizetype variantBlock = 64;

bool blockHasTypedVariant(const char16_t *data)
{
    unsigned found = 0;
    for (qsizetype i = 0; i < variantBlock; ++i)
        found |= isTypedVariant(data[i]);
    return found != 0;
}

void replaceTypedVariants(QChar *from, QChar *to)
{
    for (QChar *c = from; c != to; ++c) {
        if (!isTypedVariant(c->unicode()))
            continue;
        for (const Variant &variant : jisVariants) {
            if (c->unicode() == variant.typed)
                *c = QChar(variant.known);
        }
    }
}

// text with each of the six typed characters replaced by its look-alike, or
// nothing when it holds none of them.
std::optional<QString> withKnownVariants(QStringView text)
{
    const char16_t *const data = text.utf16();
    const qsizetype size = text.size();
    QString known;
    const auto replace = [&](qsizetype from, qsizetype to) {
        if (known.isNull())
            known = text.toString();
        replaceTypedVariants(known.data() + from, known.data() + to);
    };
    qsizetype at = 0;
    for (; at + variantBlock <= size; at += variantBlock) {
        if (blockHasTypedVariant(data + at))
            replace(at, at + variantBlock);
    }
    if (std::any_of(data + at, data + size, isTypedVariant))
        replace(at, size);
    if (known.isNull())
        return std::nullopt;
    return known;
}

bool isJapanese(TextEncoding encoding)
{
    return encoding == TextEncoding::ShiftJis || encoding == TextEncoding::EucJp || encoding == TextEncoding::Iso2022Jp;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

qsizetype indexOfCaseless(QByteArrayView bytes, QByteArrayView lowerWord, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i + lowerWord.size() <= to; ++i) {
        qsizetype k = 0;
        while (k < lowerWord.size() && lower(bytes[i + k]) == lowerWord[k])
            ++k;
        if (k == lowerWord.size())
            return i;
    }
    return -1;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLabelChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.'
        || c == ':';
}

} // namespace

QStringView encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return u"UTF-8";
    case TextEncoding::Utf16Le:
        return u"UTF-16LE";
    case TextEncoding::Utf16Be:
        return u"UTF-16BE";
    case TextEncoding::ShiftJis:
        return u"Shift_JIS";
    case TextEncoding::EucJp:
        return u"EUC-JP";
    case TextEncoding::Iso2022Jp:
        return u"ISO-2022-JP";
    }
    return u"UTF-8";
}

std::optional<TextEncoding> encodingForCharset(QByteArrayView label)
{
    struct Alias {
        const char *label;
        TextEncoding encoding;
    };
    static constexpr Alias aliases[] = {
        {"utf-8", TextEncoding::Utf8},
        {"utf8", TextEncoding::Utf8},
        {"unicode-1-1-utf-8", TextEncoding::Utf8},
        {"shift_jis", TextEncoding::ShiftJis},
        {"shift-jis", TextEncoding::ShiftJis},
        {"sjis", TextEncoding::ShiftJis},
        {"x-sjis", TextEncoding::ShiftJis},
        {"ms_kanji", TextEncoding::ShiftJis},
        {"csshiftjis", TextEncoding::ShiftJis},
        {"windows-31j", TextEncoding::ShiftJis},
        {"cp932", TextEncoding::ShiftJis},
        {"ms932", TextEncoding::ShiftJis},
        {"windows-932", TextEncoding::ShiftJis},
        {"euc-jp", TextEncoding::EucJp},
        {"x-euc-jp", TextEncoding::EucJp},
        {"eucjp", TextEncoding::EucJp},
        {"cseucpkdfmtjapanese", TextEncoding::EucJp},
        {"iso-2022-jp", TextEncoding::Iso2022Jp},
        {"csiso2022jp", TextEncoding::Iso2022Jp},
    };
    QByteArray lowered(label.size(), Qt::Uninitialized);
    std::transform(label.begin(), label.end(), lowered.begin(), lower);
    for (const Alias &alias : aliases) {
        if (lowered == alias.label)
            return alias.encoding;
    }
    return std::nullopt;
}

std::optional<TextEncoding> declaredEncoding(QByteArrayView bytes)
{
    // Declarations belong in the head; a page quoting markup further down
    // must not decide how the page itself is read.
    const qsizetype limit = std::min<qsizetype>(bytes.size(), 64 * 1024);
    for (qsizetype meta = indexOfCaseless(bytes, "<meta", 0, limit); meta >= 0;
         meta = indexOfCaseless(bytes, "<meta", meta + 5, limit)) {
        const qsizetype afterName = meta + 5;
        if (afterName >= limit || !(isSpace(bytes[afterName]) || bytes[afterName] == '/'))
            continue;
        qsizetype tagEnd = afterName;
        while (tagEnd < limit && bytes[tagEnd] != '>')
            ++tagEnd;
        const qsizetype charset = indexOfCaseless(bytes, "charset", afterName, tagEnd);
        if (charset < 0)
            continue;
        qsizetype at = charset + 7;
        while (at < tagEnd && isSpace(bytes[at]))
            ++at;
        if (at >= tagEnd || bytes[at] != '=')
            continue;
        ++at;
        while (at < tagEnd && (isSpace(bytes[at]) || bytes[at] == '"' || bytes[at] == '\''))
            ++at;
        qsizetype labelEnd = at;
        while (labelEnd < tagEnd && isLabelChar(bytes[labelEnd]))
            ++labelEnd;
        // The first declaration is the page's; one we cannot read is no hint.
        return encodingForCharset(bytes.sliced(at, labelEnd - at));
    }
    return std::nullopt;
}

std::optional<QString> decodeStrictly(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::ShiftJis:
    case TextEncoding::EucJp:
        return decodeByPieces(bytes, encoding);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        // Qt quietly replaces an odd last byte and passes lone surrogates on.
        if (bytes.size() % 2 != 0)
            return std::nullopt;
        auto text = decodeWhole(bytes, encoding);
        if (text && hasLoneSurrogate(*text))
            return std::nullopt;
        return text;
    }
    case TextEncoding::Iso2022Jp:
        return decodeIso2022Jp(bytes);
    }
    return std::nullopt;
}

std::optional<QByteArray> encodeStrictly(QStringView text, TextEncoding encoding)
{
    // Qt's UTF-16 encoder writes lone surrogates as they are, without an error.
    if (isUtf16(encoding) && hasLoneSurrogate(text))
        return std::nullopt;
    if (!isJapanese(encoding))
        return encodeRun(text, encoding);
    const std::optional<QString> known = withKnownVariants(text);
    if (known)
        text = *known;
    auto bytes = encoding == TextEncoding::Iso2022Jp ? encodeIso2022Jp(text) : encodeRun(text, encoding);
    if (!bytes)
        return std::nullopt;
    // The tables may map a character to a look-alike without saying so;
    // only reading the bytes back proves that nothing was substituted.
    const auto readBack = decodeStrictly(*bytes, encoding);
    if (!readBack || *readBack != text)
        return std::nullopt;
    return bytes;
}

bool canEncode(char32_t character, TextEncoding encoding)
{
    // Printable ASCII fits everywhere; controls do not: ESC, SO and SI would
    // read back as shifts in ISO-2022-JP.
    if ((character >= 0x20 && character < 0x7F) || character == u'\t')
        return true;
    return encodeStrictly(QString::fromUcs4(&character, 1), encoding).has_value();
}
