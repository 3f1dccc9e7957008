// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/lineends.h"
#include "core/document/textencoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// How a document is written: what it was read in, or UTF-8 without a byte
// order mark with CR LF for a new one, matching the CR LF of generated markup.
struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    LineEnd lineEnd = LineEnd::CrLf;

    friend bool operator==(const TextFormat &, const TextFormat &) = default;
};

// "Shift_JIS", "UTF-8 (BOM付き)", …
QString formatName(const TextFormat &format);

// Why a file is not opened.
enum class Refusal {
    None,
    NotText,        // NUL characters: a program, a picture, an archive…
    BrokenAfterBom, // the byte order mark names an encoding the rest is not valid in
    Undecodable,    // invalid in every encoding the program reads
};

struct ReadText {
    Refusal refusal = Refusal::None;
    TextFormat format;     // with the encoding the mark names when BrokenAfterBom
    QString text;          // line ends as "\n"

    bool ok() const { return refusal == Refusal::None; }
};

// Decides the encoding and line-end style of bytes and decodes them: a byte
// order mark decides; then ISO-2022-JP where its escapes show it; then valid
// UTF-8 (text of ASCII alone follows a charset declaration, being valid in all
// of them); then a charset declaration the bytes are valid in; then Shift_JIS
// or EUC-JP, as the bytes themselves say.
ReadText readText(QByteArrayView bytes);

// A character that the encoding cannot represent, where it stands: line and
// column count from 1, the column in characters.
struct UnencodableCharacter {
    char32_t character;
    qsizetype line;
    qsizetype column;

    friend bool operator==(const UnencodableCharacter &, const UnencodableCharacter &) = default;
};

struct WrittenText {
    QByteArray bytes;                            // empty unless ok()
    QList<UnencodableCharacter> unencodable;     // the first few, in text order
    qsizetype unencodableCount = 0;

    bool ok() const { return unencodableCount == 0; }
};

// The bytes of text (line ends as "\n") in format: its line ends, its byte
// order mark. Nothing is substituted: when characters do not fit the encoding,
// no bytes come back, only where they are. NUL fits none: a file holding it
// is not opened as text.
WrittenText writeText(QStringView text, const TextFormat &format);

// How many unencodable characters writeText lists at most.
inline constexpr qsizetype unencodableListed = 10;

// Whether writeText(text, format) gives exactly bytes, where text and format
// are what readText() made of bytes: then a page need not keep its file's
// bytes to write them back unedited. Worked out a few lines at a time, so
// that the page is never held in bytes twice.
bool writesBack(QStringView text, const TextFormat &format, QByteArrayView bytes);
