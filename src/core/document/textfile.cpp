// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textfile.h"

#include <QHash>

#include <array>
#include <cstring>

namespace {

struct ByteOrderMark {
    QByteArrayView bytes;
    TextEncoding encoding;
};

constexpr std::array<ByteOrderMark, 3> byteOrderMarks{{
    {"\xEF\xBB\xBF", TextEncoding::Utf8},
    {"\xFF\xFE", TextEncoding::Utf16Le},
    {"\xFE\xFF", TextEncoding::Utf16Be},
}};

QByteArrayView byteOrderMark(TextEncoding encoding)
{
    for (const ByteOrderMark &mark : byteOrderMarks) {
        if (mark.encoding == encoding)
            return mark.bytes;
    }
    return {};
}

struct ByteSurvey {
    bool nul = false;
    bool high = false; // any byte above 0x7F
    bool escape = false;
};

ByteSurvey survey(QByteArrayView bytes)
{
    ByteSurvey found;
    const size_t size = size_t(bytes.size());
    // An empty file's view has no data pointer at all.
    if (size == 0)
        return found;
    found.nul = std::memchr(bytes.data(), 0, size) != nullptr;
    found.escape = std::memchr(bytes.data(), 0x1B, size) != nullptr;
    // Eight bytes at a time; a Japanese page shows a high byte early.
    size_t at = 0;
    for (; at + 8 <= size && !found.high; at += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + at, 8);
        found.high = (word & 0x8080808080808080ull) != 0;
    }
    for (; at < size && !found.high; ++at)
        found.high = static_cast<unsigned char>(bytes[qsizetype(at)]) >= 0x80;
    return found;
}

// The designations of ISO-2022-JP, its JIS X 0201 katakana included.
bool hasIso2022Designation(QByteArrayView bytes)
{
    static constexpr QByteArrayView designations[] = {"\x1b$B", "\x1b$@", "\x1b(J", "\x1b(I"};
    for (const QByteArrayView designation : designations) {
        if (bytes.indexOf(designation) >= 0)
            return true;
    }
    return false;
}

// How much a decoding looks like Japanese text. Text misread as the other
// encoding turns into half-width katakana and rare kanji, or into the
// user-defined area, never into hiragana and katakana.
qsizetype japaneseScore(QStringView text)
{
    qsizetype score = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x3000 && u <= 0x30FF)
            score += 2;
        else if (u >= 0xE000 && u <= 0xF8FF)
            score -= 4;
    }
    return score;
}

// Shift_JIS or EUC-JP, from the bytes alone; a tie goes to Shift_JIS, the
// code page the program was made for.
struct Guess {
    TextEncoding encoding;
    QString text;
};

std::optional<Guess> guessJapanese(QByteArrayView bytes)
{
    const auto shiftJis = decodeStrictly(bytes, TextEncoding::ShiftJis);
    const auto eucJp = decodeStrictly(bytes, TextEncoding::EucJp);
    const bool eucJpFits = eucJp.has_value();
    if (shiftJis.has_value() && (!eucJpFits || japaneseScore(*shiftJis) >= japaneseScore(*eucJp)))
        return Guess{TextEncoding::ShiftJis, *shiftJis};
    if (eucJpFits)
        return Guess{TextEncoding::EucJp, *eucJp};
    return std::nullopt;
}

ReadText decided(TextFormat format, QString text)
{
    ReadText read;
    if (text.contains(QChar(0))) {
        read.refusal = Refusal::NotText;
        return read;
    }
    format.lineEnd = unifyLineEnds(text);
    read.format = format;
    read.text = std::move(text);
    return read;
}

ReadText refused(Refusal refusal, TextFormat format = {})
{
    ReadText read;
    read.refusal = refusal;
    read.format = format;
    return read;
}

// Finds where the characters that do not fit stand, testing each distinct
// character once.
void locateUnencodable(QStringView text, TextEncoding encoding, WrittenText &written)
{
    QHash<char32_t, bool> fits;
    qsizetype line = 1;
    qsizetype column = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t character = text[i].unicode();
        if (character == u'\n') {
            ++line;
            column = 0;
            continue;
        }
        ++column;
        if (character >= 0x20 && character < 0x7F)
            continue;
        if (QChar::isHighSurrogate(character) && i + 1 < size && text[i + 1].isLowSurrogate())
            character = QChar::surrogateToUcs4(char16_t(character), text[++i].unicode());
        auto known = fits.find(character);
        if (known == fits.end())
            known = fits.insert(character, character != 0 && canEncode(character, encoding));
        if (*known)
            continue;
        if (written.unencodable.size() < unencodableListed)
            written.unencodable.append({character, line, column});
        ++written.unencodableCount;
    }
}

// For a character that fits alone but not where it stands: the shortest
// prefix of the text that cannot be written ends with it.
void locateByPrefix(QStringView text, const TextFormat &format, WrittenText &written)
{
    qsizetype fits = 0;
    qsizetype fails = text.size();
    while (fails - fits > 1) {
        const qsizetype middle = fits + (fails - fits) / 2;
        if (encodeStrictly(withLineEnds(text.first(middle), format.lineEnd), format.encoding))
            fits = middle;
        else
            fails = middle;
    }
    const QStringView before = text.first(fails - 1);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    written.unencodable.append({text[fails - 1].unicode(), before.count(u'\n') + 1, fails - lineStart});
    written.unencodableCount = 1;
}

} // namespace

QString formatName(const TextFormat &format)
{
    QString name = encodingName(format.encoding).toString();
    if (format.byteOrderMark && format.encoding == TextEncoding::Utf8)
        name += u" (BOM付き)";
    return name;
}

ReadText readText(QByteArrayView bytes)
{
    for (const ByteOrderMark &mark : byteOrderMarks) {
        if (!bytes.startsWith(mark.bytes))
            continue;
        const TextFormat format{mark.encoding, true};
        auto text = decodeStrictly(bytes.sliced(mark.bytes.size()), mark.encoding);
        if (!text)
            return refused(Refusal::BrokenAfterBom, format);
        return decided(format, std::move(*text));
    }
    const ByteSurvey found = survey(bytes);
    if (found.nul)
        return refused(Refusal::NotText);
    if (!found.high) {
        if (found.escape && hasIso2022Designation(bytes)) {
            if (auto text = decodeStrictly(bytes, TextEncoding::Iso2022Jp))
                return decided({TextEncoding::Iso2022Jp}, std::move(*text));
        }
        const TextEncoding declared = declaredEncoding(bytes).value_or(TextEncoding::Utf8);
        if (auto text = decodeStrictly(bytes, declared))
            return decided({declared}, std::move(*text));
    }
    if (auto text = decodeStrictly(bytes, TextEncoding::Utf8))
        return decided({TextEncoding::Utf8}, std::move(*text));
    if (const auto declared = declaredEncoding(bytes)) {
        if (auto text = decodeStrictly(bytes, *declared))
            return decided({*declared}, std::move(*text));
    }
    if (auto guessed = guessJapanese(bytes))
        return decided({guessed->encoding}, std::move(guessed->text));
    return refused(Refusal::Undecodable);
}

WrittenText writeText(QStringView text, const TextFormat &format)
{
    WrittenText written;
    const QString lines = withLineEnds(text, format.lineEnd);
    // NUL is refused as a character no encoding holds: the program would
    // refuse to open the file it made (see readText).
    auto bytes = text.contains(QChar(0)) ? std::nullopt : encodeStrictly(lines, format.encoding);
    if (!bytes) {
        locateUnencodable(text, format.encoding, written);
        if (written.unencodableCount == 0)
            locateByPrefix(text, format, written);
        return written;
    }
    const QByteArrayView mark = format.byteOrderMark ? byteOrderMark(format.encoding) : QByteArrayView();
    if (mark.isEmpty()) {
        written.bytes = std::move(*bytes);
    } else {
        written.bytes.reserve(mark.size() + bytes->size());
        written.bytes.append(mark).append(*bytes);
    }
    return written;
}

// Whether every line in bytes (UTF-8, Shift_JIS or EUC-JP) ends in style.
static bool usesOnly(LineEnd style, QByteArrayView bytes)
{
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    switch (style) {
    case LineEnd::Lf:
        return !std::memchr(begin, '\r', size_t(bytes.size()));
    case LineEnd::Cr:
        return !std::memchr(begin, '\n', size_t(bytes.size()));
    case LineEnd::CrLf:
        break;
    }
    for (const char *at = begin; at != end;) {
        const void *found = std::memchr(at, '\r', size_t(end - at));
        const char *cr = found ? static_cast<const char *>(found) : end;
        // A line feed before the carriage return stands alone.
        if (std::memchr(at, '\n', size_t(cr - at)))
            return false;
        if (cr == end)
            return true;
        if (cr + 1 == end || cr[1] != '\n')
            return false;
        at = cr + 2;
    }
    return true;
}

bool writesBack(QStringView text, const TextFormat &format, QByteArrayView bytes)
{
    qsizetype at = 0;
    if (format.byteOrderMark) {
        const QByteArrayView mark = byteOrderMark(format.encoding);
        if (!bytes.startsWith(mark))
            return false;
        at = mark.size();
    }
    // Valid UTF-8 decodes and encodes one to one: only the line ends can
    // come back otherwise, and they do unless the file used one style alone.
    if (format.encoding == TextEncoding::Utf8)
        return usesOnly(format.lineEnd, bytes.sliced(at));
    // Pieces end after a line end, where no encoding carries anything over.
    constexpr qsizetype pieceSize = 256 * 1024;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = text.size();
        if (to - from > pieceSize) {
            const qsizetype lineEnd = text.indexOf(u'\n', from + pieceSize);
            if (lineEnd >= 0)
                to = lineEnd + 1;
        }
        const auto piece = encodeStrictly(withLineEnds(text.sliced(from, to - from), format.lineEnd), format.encoding);
        if (!piece || !bytes.sliced(at).startsWith(*piece))
            return false;
        at += piece->size();
        from = to;
    }
    return at == bytes.size();
}
