// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/html/tokenspan.h"

#include <QList>
#include <QStringView>

#include <cstdint>

// What a stretch of CSS is, for colouring.
enum class CssToken : std::uint8_t {
    Selector,  // "h1 > a:hover", "from", "50%" in keyframes
    Property,  // "margin-top", "--accent"
    Value,     // a keyword among the values: "solid", "auto", "inherit"
    Number,    // "12px", "1.5", "-0.5em", "50%"
    String,    // quoted, with its quotes; the inside of an unquoted url()
    Comment,   // "/* … */"
    AtRule,    // "@media", "@import"
    Important, // "!important"
    Colour,    // "#fff", "#1a2b3c80", "rebeccapurple"
    Function,  // the name of "url(", "var(", "calc(", "rgb("
};

using CssSpan = TokenSpan<CssToken>;

// Where a line of CSS leaves off: inside a comment or a string that goes on,
// and which part of a rule comes next. Fits in four bits (a style element's
// contents keep it beside the markup's own state); 0 is the top of a sheet.
class CssLineState
{
public:
    enum class Inside : std::uint8_t { Nothing, Comment, DoubleQuoted, SingleQuoted };
    // Selectors, the declarations of a block, a property's value, or the
    // rest of an at-rule up to its block or semicolon.
    enum class Context : std::uint8_t { Rules, Declarations, Value, AtRule };

    constexpr CssLineState() = default;
    constexpr CssLineState(Context context, Inside inside = Inside::Nothing)
        : m_value(std::uint8_t(std::uint8_t(inside) | std::uint8_t(context) << 2))
    {
    }
    static constexpr CssLineState fromByte(std::uint8_t value)
    {
        CssLineState state;
        state.m_value = value & 15;
        return state;
    }

    constexpr Inside inside() const { return Inside(m_value & 3); }
    constexpr Context context() const { return Context(m_value >> 2 & 3); }
    constexpr std::uint8_t toByte() const { return m_value; }

    friend constexpr bool operator==(CssLineState, CssLineState) = default;

private:
    std::uint8_t m_value = 0;
};

// Splits one line of CSS into coloured spans from `start` and returns where
// the line ends. When the line goes on in the next block (a long line shown
// in pieces), a string open at its end stays open; otherwise a line end ends
// it. Spans come in order and never overlap; with no list it only follows
// the state.
CssLineState tokenizeCssLine(QStringView line, CssLineState start, QList<CssSpan> *spans = nullptr,
                             bool lineGoesOn = false);

// Whether name is one of the colours CSS knows by name ("red", "RebeccaPurple",
// "transparent"; "currentcolor" is none: it has no colour of its own).
bool isCssColourName(QStringView name);
