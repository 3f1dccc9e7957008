// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/htmltokenizer.h"

namespace {

using Mode = HtmlLineState::Mode;
using Element = HtmlLineState::Element;
using Quote = HtmlLineState::Quote;

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    // U+2028 ends a line inside one of the editor's blocks on a large page.
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\f' || u == 0x3000 || u == 0x2028;
}

class Tokenizer
{
public:
    Tokenizer(QStringView line, HtmlLineState state, QList<HtmlSpan> *spans)
        : m_line(line)
        , m_size(int(line.size()))
        , m_mode(state.mode())
        , m_element(state.element())
        , m_quote(state.quote())
        , m_spans(spans)
    {
    }

    HtmlLineState run()
    {
        while (m_pos < m_size) {
            switch (m_mode) {
            case Mode::Text:
                text();
                break;
            case Mode::Tag:
                tag();
                break;
            case Mode::Comment:
                runTo(m_pos, u"-->", HtmlToken::Comment);
                break;
            case Mode::Declaration:
                runTo(m_pos, u">", HtmlToken::Declaration);
                break;
            case Mode::Script:
            case Mode::Style:
                rawText();
                break;
            }
        }
        if (m_mode != Mode::Tag)
            m_element = Element::Other;
        return HtmlLineState(m_mode, m_element, m_mode == Mode::Tag ? m_quote : Quote::None);
    }

private:
    void add(int start, int end, HtmlToken token)
    {
        if (m_spans && end > start)
            m_spans->append({start, end - start, token});
    }

    bool startsWith(int at, QStringView what) const
    {
        return m_line.sliced(at).startsWith(what, Qt::CaseInsensitive);
    }

    void text()
    {
        while (m_pos < m_size) {
            const QChar c = m_line[m_pos];
            if (c == u'<') {
                if (startsWith(m_pos, u"<!--")) {
                    const int start = m_pos;
                    m_pos += 4;
                    m_mode = Mode::Comment;
                    runTo(start, u"-->", HtmlToken::Comment);
                    return;
                }
                if (startsWith(m_pos, u"<!") || startsWith(m_pos, u"<?")) {
                    const int start = m_pos;
                    m_pos += 2;
                    m_mode = Mode::Declaration;
                    runTo(start, u">", HtmlToken::Declaration);
                    return;
                }
                const bool closing = m_pos + 1 < m_size && m_line[m_pos + 1] == u'/';
                const int nameAt = m_pos + (closing ? 2 : 1);
                if (nameAt < m_size && isAsciiLetter(m_line[nameAt])) {
                    tagName(m_pos, nameAt, closing);
                    return;
                }
            } else if (c == u'&') {
                if (const int end = characterReferenceEnd(m_pos); end > m_pos) {
                    add(m_pos, end, HtmlToken::CharacterReference);
                    m_pos = end;
                    continue;
                }
            }
            ++m_pos;
        }
    }

    // "&name;", "&#123;" or "&#x1F;": the position after the semicolon, or
    // `at` when there is no reference there.
    int characterReferenceEnd(int at) const
    {
        int i = at + 1;
        if (i < m_size && m_line[i] == u'#') {
            ++i;
            const bool hex = i < m_size && (m_line[i] == u'x' || m_line[i] == u'X');
            if (hex)
                ++i;
            const int digits = i;
            while (i < m_size && (hex ? isHexDigit(m_line[i]) : isDigit(m_line[i])))
                ++i;
            if (i == digits)
                return at;
        } else {
            const int letters = i;
            while (i < m_size && m_line[i].unicode() < 128 && (isAsciiLetter(m_line[i]) || isDigit(m_line[i])))
                ++i;
            if (i == letters)
                return at;
        }
        return i < m_size && m_line[i] == u';' ? i + 1 : at;
    }

    void tagName(int start, int nameAt, bool closing)
    {
        int end = nameAt;
        while (end < m_size && !isSpace(m_line[end]) && m_line[end] != u'>' && m_line[end] != u'/')
            ++end;
        const QStringView name = m_line.sliced(nameAt, end - nameAt);
        m_element = Element::Other;
        if (!closing) {
            if (name.compare(u"script", Qt::CaseInsensitive) == 0)
                m_element = Element::Script;
            else if (name.compare(u"style", Qt::CaseInsensitive) == 0)
                m_element = Element::Style;
        }
        add(start, end, HtmlToken::Tag);
        m_pos = end;
        m_mode = Mode::Tag;
        m_quote = Quote::None;
    }

    void tag()
    {
        if (m_quote != Quote::None) {
            quotedValue(m_pos);
            return;
        }
        while (m_pos < m_size) {
            const QChar c = m_line[m_pos];
            if (isSpace(c)) {
                ++m_pos;
            } else if (c == u'>') {
                add(m_pos, m_pos + 1, HtmlToken::Tag);
                ++m_pos;
                endTag();
                return;
            } else if (c == u'/' && m_pos + 1 < m_size && m_line[m_pos + 1] == u'>') {
                add(m_pos, m_pos + 2, HtmlToken::Tag);
                m_pos += 2;
                m_element = Element::Other;
                endTag();
                return;
            } else if (c == u'=') {
                ++m_pos;
                while (m_pos < m_size && isSpace(m_line[m_pos]))
                    ++m_pos;
                if (m_pos >= m_size)
                    return;
                if (m_line[m_pos] == u'"' || m_line[m_pos] == u'\'') {
                    m_quote = m_line[m_pos] == u'"' ? Quote::Double : Quote::Single;
                    const int start = m_pos++;
                    quotedValue(start);
                    if (m_quote != Quote::None)
                        return;
                } else {
                    const int start = m_pos;
                    while (m_pos < m_size && !isSpace(m_line[m_pos]) && m_line[m_pos] != u'>')
                        ++m_pos;
                    add(start, m_pos, HtmlToken::AttributeValue);
                }
            } else if (c == u'"' || c == u'\'') {
                // A value with no name before it still gets its quotes closed.
                m_quote = c == u'"' ? Quote::Double : Quote::Single;
                const int start = m_pos++;
                quotedValue(start);
                if (m_quote != Quote::None)
                    return;
            } else {
                const int start = m_pos;
                while (m_pos < m_size && !isSpace(m_line[m_pos]) && m_line[m_pos] != u'>' && m_line[m_pos] != u'='
                       && !(m_line[m_pos] == u'/' && m_pos + 1 < m_size && m_line[m_pos + 1] == u'>'))
                    ++m_pos;
                if (m_pos == start)
                    ++m_pos;
                else
                    add(start, m_pos, HtmlToken::AttributeName);
            }
        }
    }

    void endTag()
    {
        switch (m_element) {
        case Element::Script:
            m_mode = Mode::Script;
            break;
        case Element::Style:
            m_mode = Mode::Style;
            break;
        case Element::Other:
            m_mode = Mode::Text;
            break;
        }
        m_element = Element::Other;
    }

    void quotedValue(int start)
    {
        const QChar quote = m_quote == Quote::Double ? u'"' : u'\'';
        const qsizetype close = m_line.indexOf(quote, m_pos);
        if (close < 0) {
            add(start, m_size, HtmlToken::AttributeValue);
            m_pos = m_size;
            return;
        }
        add(start, int(close) + 1, HtmlToken::AttributeValue);
        m_pos = int(close) + 1;
        m_quote = Quote::None;
    }

    // A comment or a declaration runs to its closer, perhaps lines later.
    void runTo(int start, QStringView closer, HtmlToken token)
    {
        const qsizetype close = m_line.indexOf(closer, m_pos);
        const int end = close < 0 ? m_size : int(close + closer.size());
        add(start, end, token);
        m_pos = end;
        if (close >= 0)
            m_mode = Mode::Text;
    }

    // Script and style contents are not markup: only their end tag ends them.
    void rawText()
    {
        const QStringView endTag = m_mode == Mode::Script ? u"</script" : u"</style";
        const HtmlToken token = m_mode == Mode::Script ? HtmlToken::Script : HtmlToken::Style;
        int from = m_pos;
        while (true) {
            const qsizetype at = m_line.indexOf(endTag, from, Qt::CaseInsensitive);
            if (at < 0) {
                add(m_pos, m_size, token);
                m_pos = m_size;
                return;
            }
            const qsizetype after = at + endTag.size();
            if (after >= m_size || isSpace(m_line[after]) || m_line[after] == u'>' || m_line[after] == u'/') {
                add(m_pos, int(at), token);
                tagName(int(at), int(at) + 2, true);
                return;
            }
            from = int(after);
        }
    }

    QStringView m_line;
    int m_size;
    int m_pos = 0;
    Mode m_mode;
    Element m_element;
    Quote m_quote;
    QList<HtmlSpan> *m_spans;
};

} // namespace

HtmlLineState tokenizeHtmlLine(QStringView line, HtmlLineState start, QList<HtmlSpan> *spans)
{
    return Tokenizer(line, start, spans).run();
}
