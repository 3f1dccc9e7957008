// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/pagetokenizer.h"

#include "core/html/csstokenizer.h"
#include "core/html/htmltokenizer.h"
#include "core/html/jstokenizer.h"

namespace {

using Mode = HtmlLineState::Mode;
using Element = HtmlLineState::Element;

// What a <script> holds, by its type attribute.
enum class Contents : std::uint8_t { Script, Json, Other };

// An HTML page's byte. The low three bits are the markup's mode, with two
// more: a script element holding JSON, and one holding other data (a
// template). Inside a style or script element the five high bits are the
// CSS's or the script's own state. In a script element's start tag, an
// element of 3 is one holding other data and the high bit one holding JSON.
constexpr std::uint8_t jsonMode = 6;
constexpr std::uint8_t otherDataMode = 7;
constexpr std::uint8_t otherDataElement = 3;
constexpr std::uint8_t jsonTagBit = 0x80;

HtmlLineState markupState(std::uint8_t state)
{
    const std::uint8_t mode = state & 7;
    if (mode == std::uint8_t(Mode::Script) || mode == std::uint8_t(Mode::Style))
        return HtmlLineState(Mode(mode));
    if (mode == jsonMode || mode == otherDataMode)
        return HtmlLineState(Mode::Script);
    if (mode == std::uint8_t(Mode::Tag) && (state >> 3 & 3) == otherDataElement)
        return HtmlLineState::fromByte(std::uint8_t((state & 0x67) | std::uint8_t(Element::Script) << 3));
    return HtmlLineState::fromByte(state & 0x7F);
}

Contents contentsOfType(QStringView value)
{
    if (value.startsWith(u'"') || value.startsWith(u'\''))
        value = value.sliced(1);
    if (value.endsWith(u'"') || value.endsWith(u'\''))
        value.chop(1);
    value = value.trimmed();
    if (const qsizetype semicolon = value.indexOf(u';'); semicolon >= 0)
        value = value.first(semicolon).trimmed();
    if (value.isEmpty() || value.compare(u"module", Qt::CaseInsensitive) == 0)
        return Contents::Script;
    for (QStringView script : {u"javascript", u"ecmascript", u"jscript", u"livescript", u"babel"}) {
        if (value.contains(script, Qt::CaseInsensitive))
            return Contents::Script;
    }
    if (value.contains(u"json", Qt::CaseInsensitive) || value.compare(u"importmap", Qt::CaseInsensitive) == 0
        || value.compare(u"speculationrules", Qt::CaseInsensitive) == 0)
        return Contents::Json;
    return Contents::Other;
}

std::uint8_t startOf(Contents contents)
{
    return contents == Contents::Script ? JsLineState().toByte() : 0;
}

PageToken pageToken(HtmlToken token)
{
    switch (token) {
    case HtmlToken::Tag:
        return PageToken::Tag;
    case HtmlToken::AttributeName:
        return PageToken::AttributeName;
    case HtmlToken::AttributeValue:
    case HtmlToken::Script:
    case HtmlToken::Style:
        return PageToken::AttributeValue;
    case HtmlToken::Comment:
        return PageToken::Comment;
    case HtmlToken::Declaration:
        return PageToken::Declaration;
    case HtmlToken::CharacterReference:
        return PageToken::CharacterReference;
    }
    return PageToken::Tag;
}

PageToken pageToken(CssToken token)
{
    constexpr PageToken map[] = {PageToken::Selector, PageToken::Property, PageToken::Value,     PageToken::Number,
                                 PageToken::String,   PageToken::Comment,  PageToken::AtRule,    PageToken::Important,
                                 PageToken::Colour,   PageToken::Function};
    return map[std::size_t(token)];
}

PageToken pageToken(JsToken token)
{
    constexpr PageToken map[] = {PageToken::Keyword, PageToken::String, PageToken::Template,
                                 PageToken::Comment, PageToken::Number, PageToken::Regex};
    return map[std::size_t(token)];
}

PageToken pageToken(JsonToken token)
{
    constexpr PageToken map[] = {PageToken::Property, PageToken::String, PageToken::Number, PageToken::Keyword};
    return map[std::size_t(token)];
}

template<typename Token>
void addAll(QList<PageSpan> *spans, const QList<TokenSpan<Token>> &inner, int offset)
{
    for (const TokenSpan<Token> &span : inner)
        spans->append({span.start + offset, span.length, pageToken(span.token)});
}

// Reads the markup's spans of an HTML line in order, and the CSS and script
// inside its style and script elements and style attributes.
class HtmlPage
{
public:
    HtmlPage(QStringView line, std::uint8_t start, QList<PageSpan> *spans, bool lineGoesOn)
        : m_line(line)
        , m_start(start)
        , m_spans(spans)
        , m_lineGoesOn(lineGoesOn)
    {
        const std::uint8_t mode = start & 7;
        if (mode == std::uint8_t(Mode::Script) || mode == jsonMode || mode == otherDataMode) {
            m_contents = mode == jsonMode ? Contents::Json : mode == otherDataMode ? Contents::Other : Contents::Script;
            m_inner = start >> 3;
        } else if (mode == std::uint8_t(Mode::Style)) {
            m_inner = start >> 3;
        } else if (mode == std::uint8_t(Mode::Tag)) {
            const std::uint8_t element = start >> 3 & 3;
            m_inScriptTag = element == std::uint8_t(Element::Script) || element == otherDataElement;
            m_inStyleTag = element == std::uint8_t(Element::Style);
            m_contents = element == otherDataElement ? Contents::Other
                       : start & jsonTagBit           ? Contents::Json
                                                      : Contents::Script;
        }
    }

    std::uint8_t run()
    {
        QList<HtmlSpan> markup;
        const HtmlLineState end = tokenizeHtmlLine(m_line, markupState(m_start), m_spans ? &markup : nullptr);
        const bool withinElement = end.mode() == Mode::Script || end.mode() == Mode::Style
                                || (end.mode() == Mode::Tag && end.element() == Element::Script);
        if (!m_spans && !withinElement)
            return end.toByte();
        if (!m_spans)
            tokenizeHtmlLine(m_line, markupState(m_start), &markup);
        for (const HtmlSpan &span : std::as_const(markup))
            read(span);
        switch (end.mode()) {
        case Mode::Script:
            return m_contents == Contents::Json    ? jsonMode
                 : m_contents == Contents::Other ? otherDataMode
                                                 : std::uint8_t(std::uint8_t(Mode::Script) | m_inner << 3);
        case Mode::Style:
            return std::uint8_t(std::uint8_t(Mode::Style) | m_inner << 3);
        case Mode::Tag:
            if (end.element() != Element::Script)
                return end.toByte();
            if (m_contents == Contents::Other)
                return std::uint8_t((end.toByte() & 0x67) | otherDataElement << 3);
            return std::uint8_t(end.toByte() | (m_contents == Contents::Json ? jsonTagBit : 0));
        default:
            return end.toByte();
        }
    }

private:
    void addSpan(int start, int length, PageToken token)
    {
        if (m_spans)
            m_spans->append({start, length, token});
    }

    void read(const HtmlSpan &span)
    {
        const QStringView text = m_line.sliced(span.start, span.length);
        switch (span.token) {
        case HtmlToken::Tag:
            tag(text);
            break;
        case HtmlToken::AttributeName:
            m_attribute = text;
            break;
        case HtmlToken::AttributeValue:
            if (m_inScriptTag && m_attribute.compare(u"type", Qt::CaseInsensitive) == 0)
                m_contents = contentsOfType(text);
            if (m_attribute.compare(u"style", Qt::CaseInsensitive) == 0) {
                styleAttribute(span);
                return;
            }
            break;
        case HtmlToken::Script:
            script(span);
            return;
        case HtmlToken::Style: {
            QList<CssSpan> inner;
            m_inner = tokenizeCssLine(text, CssLineState::fromByte(m_inner), m_spans ? &inner : nullptr,
                                      goesOn(span)).toByte();
            if (m_spans)
                addAll(m_spans, inner, span.start);
            return;
        }
        default:
            break;
        }
        addSpan(span.start, span.length, pageToken(span.token));
    }

    bool goesOn(const HtmlSpan &span) const
    {
        return m_lineGoesOn && span.start + span.length == m_line.size();
    }

    void tag(QStringView text)
    {
        if (text.startsWith(u'<')) {
            const bool closing = text.startsWith(u"</");
            const QStringView name = text.sliced(closing ? 2 : 1);
            m_inScriptTag = !closing && name.compare(u"script", Qt::CaseInsensitive) == 0;
            m_inStyleTag = !closing && name.compare(u"style", Qt::CaseInsensitive) == 0;
            if (m_inScriptTag)
                m_contents = Contents::Script;
            m_attribute = {};
        } else {
            // The start tag's ">" opens the element's contents.
            if (m_inScriptTag)
                m_inner = startOf(m_contents);
            else if (m_inStyleTag)
                m_inner = 0;
            m_inScriptTag = m_inStyleTag = false;
            m_attribute = {};
        }
    }

    void script(const HtmlSpan &span)
    {
        const QStringView text = m_line.sliced(span.start, span.length);
        if (m_contents == Contents::Script) {
            QList<JsSpan> inner;
            m_inner = tokenizeJsLine(text, JsLineState::fromByte(m_inner), m_spans ? &inner : nullptr, goesOn(span))
                          .toByte();
            if (m_spans)
                addAll(m_spans, inner, span.start);
        } else if (m_contents == Contents::Json && m_spans) {
            QList<JsonSpan> inner;
            tokenizeJsonLine(text, &inner);
            addAll(m_spans, inner, span.start);
        }
    }

    // A style attribute's value is a block's declarations, between its quotes.
    void styleAttribute(const HtmlSpan &span)
    {
        if (!m_spans)
            return;
        const QStringView text = m_line.sliced(span.start, span.length);
        const bool opens = text.startsWith(u'"') || text.startsWith(u'\'');
        const bool closes = opens && text.size() > 1 && text.back() == text.front();
        const int from = opens ? 1 : 0;
        const int to = int(text.size()) - (closes ? 1 : 0);
        if (opens)
            addSpan(span.start, 1, PageToken::AttributeValue);
        QList<CssSpan> inner;
        tokenizeCssLine(text.sliced(from, to - from), CssLineState(CssLineState::Context::Declarations), &inner);
        addAll(m_spans, inner, span.start + from);
        if (closes)
            addSpan(span.start + to, 1, PageToken::AttributeValue);
    }

    QStringView m_line;
    std::uint8_t m_start;
    QList<PageSpan> *m_spans;
    bool m_lineGoesOn;
    Contents m_contents = Contents::Script;
    std::uint8_t m_inner = 0;
    bool m_inScriptTag = false;
    bool m_inStyleTag = false;
    QStringView m_attribute;
};

} // namespace

std::uint8_t tokenizePageLine(PageKind kind, QStringView line, std::uint8_t start, QList<PageSpan> *spans,
                              bool lineGoesOn)
{
    switch (kind) {
    case PageKind::Html:
        return HtmlPage(line, start, spans, lineGoesOn).run();
    case PageKind::Css: {
        QList<CssSpan> inner;
        const CssLineState end = tokenizeCssLine(line, CssLineState::fromByte(start), spans ? &inner : nullptr, lineGoesOn);
        if (spans)
            addAll(spans, inner, 0);
        return end.toByte();
    }
    case PageKind::JavaScript: {
        QList<JsSpan> inner;
        // A script starts where a regular expression may stand: the page's 0.
        const std::uint8_t first = JsLineState().toByte();
        const JsLineState end = tokenizeJsLine(line, JsLineState::fromByte(start ^ first), spans ? &inner : nullptr,
                                               lineGoesOn);
        if (spans)
            addAll(spans, inner, 0);
        return end.toByte() ^ first;
    }
    case PageKind::Plain:
        break;
    }
    return 0;
}
