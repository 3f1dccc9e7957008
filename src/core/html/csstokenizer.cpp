// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/csstokenizer.h"

#include "core/color/colorvalue.h"

using namespace syntax;

namespace {

using Inside = CssLineState::Inside;
using Context = CssLineState::Context;

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return isAsciiLetter(c) || isDigit(c) || u == u'-' || u == u'_' || u == u'\\' || (u >= 0x80 && !isSpace(c));
}

// A name may start with "-" ("-webkit-box", "--gap"), but a lone "-" is a minus.
bool isNameStart(QChar c, QChar next = u'a')
{
    if (c == u'-')
        return next == u'-' || (isNameChar(next) && !isDigit(next));
    return isNameChar(c) && !isDigit(c);
}

// At-rules whose block holds rules rather than declarations.
bool holdsRules(QStringView name)
{
    for (QStringView rules : {u"media", u"supports", u"container", u"layer", u"document", u"-moz-document",
                              u"keyframes", u"-webkit-keyframes", u"scope", u"starting-style"}) {
        if (name.compare(rules, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

class Tokenizer
{
public:
    Tokenizer(QStringView line, CssLineState state, QList<CssSpan> *spans)
        : m_line(line)
        , m_size(int(line.size()))
        , m_inside(state.inside())
        , m_context(state.context())
        , m_spans(spans)
    {
    }

    CssLineState run(bool lineGoesOn)
    {
        if (m_inside == Inside::Comment)
            comment(0);
        else if (m_inside != Inside::Nothing)
            string(0, m_inside == Inside::DoubleQuoted ? u'"' : u'\'');
        while (m_pos < m_size)
            next();
        if (m_inside != Inside::Comment && !lineGoesOn && !(m_size > 0 && m_line[m_size - 1] == u'\\'))
            m_inside = Inside::Nothing;
        return CssLineState(m_context, m_inside);
    }

private:
    void add(int start, int end, CssToken token)
    {
        if (m_spans && end > start)
            m_spans->append({start, end - start, token});
    }

    QChar at(int i) const { return i < m_size ? m_line[i] : QChar(); }

    void next()
    {
        const QChar c = m_line[m_pos];
        if (isSpace(c)) {
            ++m_pos;
        } else if (c == u'/' && at(m_pos + 1) == u'*') {
            const int start = m_pos;
            m_pos += 2;
            comment(start);
        } else if (c == u'"' || c == u'\'') {
            const int start = m_pos++;
            string(start, c);
        } else if (m_line.sliced(m_pos).startsWith(u"<!--") || m_line.sliced(m_pos).startsWith(u"-->")) {
            // Old pages hide a style element's contents from old browsers.
            const int start = m_pos;
            m_pos += c == u'<' ? 4 : 3;
            add(start, m_pos, CssToken::Comment);
        } else if (c == u'{') {
            ++m_pos;
            m_context = m_context == Context::AtRule && m_atRuleHoldsRules ? Context::Rules : Context::Declarations;
        } else if (c == u'}') {
            ++m_pos;
            m_context = Context::Rules;
        } else if (c == u';') {
            ++m_pos;
            m_context = m_context == Context::AtRule || m_context == Context::Rules ? Context::Rules
                                                                                     : Context::Declarations;
        } else if (c == u'@' && isNameStart(at(m_pos + 1), at(m_pos + 2))) {
            const int start = m_pos++;
            const int nameStart = m_pos;
            skipName();
            add(start, m_pos, CssToken::AtRule);
            m_atRuleHoldsRules = holdsRules(m_line.sliced(nameStart, m_pos - nameStart));
            m_context = Context::AtRule;
        } else if (m_context == Context::Rules || m_context == Context::Declarations) {
            ruleOrDeclaration();
        } else {
            value();
        }
    }

    void skipName()
    {
        while (m_pos < m_size && isNameChar(m_line[m_pos])) {
            if (m_line[m_pos] == u'\\' && m_pos + 1 < m_size)
                ++m_pos;
            ++m_pos;
        }
    }

    void comment(int start)
    {
        const qsizetype close = m_line.indexOf(u"*/", m_pos);
        const int end = close < 0 ? m_size : int(close) + 2;
        add(start, end, CssToken::Comment);
        m_pos = end;
        m_inside = close < 0 ? Inside::Comment : Inside::Nothing;
    }

    void string(int start, QChar quote)
    {
        int i = m_pos;
        while (i < m_size && m_line[i] != quote && !isLineEnd(m_line[i]))
            i += m_line[i] == u'\\' ? 2 : 1;
        if (i < m_size && m_line[i] == quote) {
            add(start, i + 1, CssToken::String);
            m_pos = i + 1;
            m_inside = Inside::Nothing;
            return;
        }
        i = std::min(i, m_size);
        add(start, i, CssToken::String);
        m_pos = i;
        m_inside = i < m_size ? Inside::Nothing : quote == u'"' ? Inside::DoubleQuoted : Inside::SingleQuoted;
    }

    // Which comes first from here on the line: a block's "{" (so this is a
    // selector), or ";" / "}" (a declaration). A line with neither keeps the
    // context it is in: a selector list or a declaration may go on below.
    bool selectorAhead() const
    {
        for (int i = m_pos; i < m_size; ++i) {
            const QChar c = m_line[i];
            if (c == u'{')
                return true;
            if (c == u';' || c == u'}')
                return false;
        }
        return m_context == Context::Rules;
    }

    void ruleOrDeclaration()
    {
        if (selectorAhead()) {
            const int start = m_pos;
            while (m_pos < m_size && m_line[m_pos] != u'{' && !(m_line[m_pos] == u'/' && at(m_pos + 1) == u'*'))
                ++m_pos;
            int end = m_pos;
            while (end > start && isSpace(m_line[end - 1]))
                --end;
            add(start, end, CssToken::Selector);
            m_context = Context::Rules;
            return;
        }
        m_context = Context::Declarations;
        const QChar c = m_line[m_pos];
        if (c == u':') {
            ++m_pos;
            m_context = Context::Value;
        } else if (isNameStart(c, at(m_pos + 1))) {
            const int start = m_pos;
            skipName();
            add(start, m_pos, CssToken::Property);
        } else {
            ++m_pos;
        }
    }

    void value()
    {
        const QChar c = m_line[m_pos];
        const int start = m_pos;
        if (c == u'!') {
            int i = m_pos + 1;
            while (i < m_size && isSpace(m_line[i]))
                ++i;
            if (m_line.sliced(i).startsWith(u"important", Qt::CaseInsensitive)) {
                m_pos = i + 9;
                add(start, m_pos, CssToken::Important);
            } else {
                ++m_pos;
            }
        } else if (c == u'#') {
            ++m_pos;
            while (m_pos < m_size && isNameChar(m_line[m_pos]))
                ++m_pos;
            const int digits = m_pos - start - 1;
            bool hex = digits == 3 || digits == 4 || digits == 6 || digits == 8;
            for (int i = start + 1; hex && i < m_pos; ++i)
                hex = isHexDigit(m_line[i]);
            if (hex)
                add(start, m_pos, CssToken::Colour);
        } else if (isDigit(c) || (c == u'.' && isDigit(at(m_pos + 1)))
                   || ((c == u'+' || c == u'-') && (isDigit(at(m_pos + 1)) || (at(m_pos + 1) == u'.' && isDigit(at(m_pos + 2)))))) {
            number();
        } else if (isNameStart(c, at(m_pos + 1))) {
            skipName();
            const QStringView name = m_line.sliced(start, m_pos - start);
            if (at(m_pos) == u'(') {
                add(start, m_pos, CssToken::Function);
                ++m_pos;
                if (name.compare(u"url", Qt::CaseInsensitive) == 0)
                    unquotedUrl();
            } else {
                add(start, m_pos, isCssColourName(name) ? CssToken::Colour : CssToken::Value);
            }
        } else {
            ++m_pos;
        }
    }

    void number()
    {
        const int start = m_pos;
        if (m_line[m_pos] == u'+' || m_line[m_pos] == u'-')
            ++m_pos;
        while (m_pos < m_size && isDigit(m_line[m_pos]))
            ++m_pos;
        if (at(m_pos) == u'.' && isDigit(at(m_pos + 1))) {
            ++m_pos;
            while (m_pos < m_size && isDigit(m_line[m_pos]))
                ++m_pos;
        }
        if ((at(m_pos) == u'e' || at(m_pos) == u'E')
            && (isDigit(at(m_pos + 1)) || ((at(m_pos + 1) == u'-' || at(m_pos + 1) == u'+') && isDigit(at(m_pos + 2))))) {
            m_pos += 2;
            while (m_pos < m_size && isDigit(m_line[m_pos]))
                ++m_pos;
        }
        if (at(m_pos) == u'%')
            ++m_pos;
        else if (m_pos < m_size && isNameStart(m_line[m_pos], at(m_pos + 1)) && m_line[m_pos] != u'\\')
            skipName();
        add(start, m_pos, CssToken::Number);
    }

    // url(images/a b.png) unquoted runs to its ")".
    void unquotedUrl()
    {
        int i = m_pos;
        while (i < m_size && isSpace(m_line[i]))
            ++i;
        if (i >= m_size || m_line[i] == u'"' || m_line[i] == u'\'')
            return;
        const int start = i;
        while (i < m_size && m_line[i] != u')' && !isLineEnd(m_line[i]))
            ++i;
        int end = i;
        while (end > start && isSpace(m_line[end - 1]))
            --end;
        add(start, end, CssToken::String);
        m_pos = i;
    }

    QStringView m_line;
    int m_size;
    int m_pos = 0;
    Inside m_inside;
    Context m_context;
    // An at-rule's prelude seen on this line: whether its block holds rules.
    // One that began on a line above is taken to hold rules (@media over lines).
    bool m_atRuleHoldsRules = true;
    QList<CssSpan> *m_spans;
};

} // namespace

CssLineState tokenizeCssLine(QStringView line, CssLineState start, QList<CssSpan> *spans, bool lineGoesOn)
{
    return Tokenizer(line, start, spans).run(lineGoesOn);
}

bool isCssColourName(QStringView name)
{
    return cssNamedColour(name).has_value();
}
