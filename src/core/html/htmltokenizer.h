// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

#include <cstdint>

// What a stretch of HTML is, for colouring.
enum class HtmlToken : std::uint8_t {
    Tag,                // "<TABLE", "</p", ">" and "/>"
    AttributeName,
    AttributeValue,     // with its quotes
    Comment,            // "<!-- … -->"
    Declaration,        // "<!DOCTYPE …>", "<?xml …?>"
    CharacterReference, // "&amp;", "&#160;", "&#x3042;"
    Script,             // the inside of <script>…</script>
    Style,              // the inside of <style>…</style>
};

struct HtmlSpan {
    int start;
    int length;
    HtmlToken token;

    friend bool operator==(const HtmlSpan &, const HtmlSpan &) = default;
};

// Where a line leaves the markup, so that the next line starts there: in a
// tag (and in which attribute quote), in a comment, in a declaration, or in
// the raw inside of a script or style element. Fits in a byte; 0 is plain text.
class HtmlLineState
{
public:
    enum class Mode : std::uint8_t { Text, Tag, Comment, Declaration, Script, Style };
    // The element a start tag opens: script and style contents are not markup.
    enum class Element : std::uint8_t { Other, Script, Style };
    enum class Quote : std::uint8_t { None, Double, Single };

    constexpr HtmlLineState() = default;
    constexpr HtmlLineState(Mode mode, Element element = Element::Other, Quote quote = Quote::None)
        : m_value(std::uint8_t(std::uint8_t(mode) | std::uint8_t(element) << 3 | std::uint8_t(quote) << 5))
    {
    }
    static constexpr HtmlLineState fromByte(std::uint8_t value)
    {
        HtmlLineState state;
        state.m_value = value;
        return state;
    }

    constexpr Mode mode() const { return Mode(m_value & 7); }
    constexpr Element element() const { return Element(m_value >> 3 & 3); }
    constexpr Quote quote() const { return Quote(m_value >> 5 & 3); }
    constexpr std::uint8_t toByte() const { return m_value; }

    friend constexpr bool operator==(HtmlLineState, HtmlLineState) = default;

private:
    std::uint8_t m_value = 0;
};

// Splits one line of HTML into coloured spans, starting in `start` (where the
// previous line ended), and returns where this line ends. Plain text between
// the spans gets none. Spans come in order and never overlap. With no list it
// only follows the state, which is what skipping over lines needs.
// Upper-case legacy markup (<TABLE width='80%'>) is read like lower case.
HtmlLineState tokenizeHtmlLine(QStringView line, HtmlLineState start, QList<HtmlSpan> *spans = nullptr);
