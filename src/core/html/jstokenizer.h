// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/html/tokenspan.h"

#include <QList>
#include <QStringView>

#include <cstdint>

// What a stretch of JavaScript is, for colouring.
enum class JsToken : std::uint8_t {
    Keyword,  // "function", "return", "const", and the literals true, null, …
    String,   // '…' or "…", with its quotes
    Template, // the text of a `…` literal and its "${" "}"; what is inside those is code
    Comment,  // "// …" and "/* … */"
    Number,   // "42", "0xFF", "1.5e3", "10n"
    Regex,    // "/a+b/gi"
};

using JsSpan = TokenSpan<JsToken>;

// Where a line of script leaves off: in code, in a block comment, in a
// template literal, or (when a long line is shown in pieces and goes on in the
// next block) in a line comment or a string; whether a "/" next would start
// a regular expression rather than divide; and whether the code is inside a
// template literal's "${…}". Fits in five bits (a script element's contents
// keep it beside the markup's own state).
class JsLineState
{
public:
    enum class Mode : std::uint8_t { Code, BlockComment, LineComment, Template, SingleQuoted, DoubleQuoted };

    constexpr JsLineState() = default;
    constexpr JsLineState(Mode mode, bool regexAllowed, bool inTemplateExpression = false)
        : m_value(std::uint8_t(std::uint8_t(mode) | (regexAllowed ? 8 : 0) | (inTemplateExpression ? 16 : 0)))
    {
    }
    static constexpr JsLineState fromByte(std::uint8_t value)
    {
        JsLineState state;
        state.m_value = value & 31;
        return state;
    }

    constexpr Mode mode() const { return Mode(m_value & 7); }
    constexpr bool regexAllowed() const { return m_value & 8; }
    constexpr bool inTemplateExpression() const { return m_value & 16; }
    constexpr std::uint8_t toByte() const { return m_value; }

    friend constexpr bool operator==(JsLineState, JsLineState) = default;

private:
    // A script starts where a regular expression may stand.
    std::uint8_t m_value = 8;
};

// Splits one line of script into coloured spans from `start` and returns
// where the line ends. When the line goes on in the next block (a long line
// shown in pieces), a line comment or string open at its end stays open.
// Spans come in order and never overlap; with no list it only follows the state.
JsLineState tokenizeJsLine(QStringView line, JsLineState start, QList<JsSpan> *spans = nullptr,
                           bool lineGoesOn = false);

// What a stretch of JSON is, for colouring.
enum class JsonToken : std::uint8_t { Key, String, Number, Literal };

using JsonSpan = TokenSpan<JsonToken>;

// JSON has nothing that goes on over a line end: each line stands alone.
void tokenizeJsonLine(QStringView line, QList<JsonSpan> *spans);
