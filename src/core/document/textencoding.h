// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The encodings documents are read and written in. Shift_JIS is Windows code
// page 932, with the NEC and IBM extensions that old Japanese pages use.
enum class TextEncoding { Utf8, Utf16Le, Utf16Be, ShiftJis, EucJp, Iso2022Jp };

// The name users know the encoding by: "UTF-8", "Shift_JIS", …
QStringView encodingName(TextEncoding encoding);

// The encoding a charset label of a page names ("shift_jis", "x-sjis",
// "EUC-JP", "utf-8", …), or nothing when it names none of ours.
std::optional<TextEncoding> encodingForCharset(QByteArrayView label);

// The encoding a <meta charset=…> or <meta http-equiv="Content-Type"
// content="…; charset=…"> near the start of bytes declares, when it is one of ours.
std::optional<TextEncoding> declaredEncoding(QByteArrayView bytes);

// The text of bytes in encoding, or nothing when any byte sequence is invalid,
// unmapped or cut off. A byte order mark is never skipped: it is a character here.
std::optional<QString> decodeStrictly(QByteArrayView bytes, TextEncoding encoding);

// The bytes of text in encoding, or nothing when some character cannot be
// written in it. What is returned decodes back to exactly text, except that in
// the Japanese encodings 〜 − ‖ ¢ £ ¬ are written as the codes of ～ － ∥ ￠ ￡ ￢,
// which both widespread mapping tables give them, and read back as those.
std::optional<QByteArray> encodeStrictly(QStringView text, TextEncoding encoding);

// Whether the single character (a code point) can be written in encoding, as
// encodeStrictly writes it.
bool canEncode(char32_t character, TextEncoding encoding);
