// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textencoding.h"

#include <QByteArray>

// The six codes of JIS X 0208 that the two widespread mapping tables read as
// different characters: the one Linux input methods type, the one the
// program reads, and the code in each Japanese encoding (in ISO-2022-JP
// after ESC $ B).
struct JisVariantCode {
    char16_t typed;
    char16_t read;
    const char *shiftJis;
    const char *eucJp;
    const char *jis;

    // The bytes of the code alone in encoding: in ISO-2022-JP between the
    // escapes into JIS X 0208 and back to ASCII.
    QByteArray bytes(TextEncoding encoding) const
    {
        if (encoding == TextEncoding::ShiftJis)
            return shiftJis;
        if (encoding == TextEncoding::EucJp)
            return eucJp;
        return QByteArray("\x1b$B") + jis + "\x1b(B";
    }
};

inline constexpr JisVariantCode jisVariantCodes[] = {
    {u'〜', u'～', "\x81\x60", "\xa1\xc1", "\x21\x41"},
    {u'−', u'－', "\x81\x7c", "\xa1\xdd", "\x21\x5d"},
    {u'‖', u'∥', "\x81\x61", "\xa1\xc2", "\x21\x42"},
    {u'¢', u'￠', "\x81\x91", "\xa1\xf1", "\x21\x71"},
    {u'£', u'￡', "\x81\x92", "\xa1\xf2", "\x21\x72"},
    {u'¬', u'￢', "\x81\xca", "\xa2\xcc", "\x22\x4c"},
};
