// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

// A coloured stretch of one line: where it starts, how long it is, and what it is.
template<typename Token>
struct TokenSpan {
    int start;
    int length;
    Token token;

    friend bool operator==(const TokenSpan &, const TokenSpan &) = default;
};

namespace syntax {

inline bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

inline bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

inline bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return isDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

// U+2028 ends a line inside one of the editor's blocks on a large page.
inline bool isLineEnd(QChar c)
{
    return c.unicode() == u'\n' || c.unicode() == 0x2028;
}

inline bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\f' || u == 0x3000 || u == 0x2028
        || u == 0xA0;
}

} // namespace syntax
