// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/jstokenizer.h"

#include <algorithm>
#include <array>

using namespace syntax;

namespace {

using Mode = JsLineState::Mode;

bool isNameStart(QChar c)
{
    const char16_t u = c.unicode();
    return isAsciiLetter(c) || u == u'_' || u == u'$' || u == u'\\' || (u >= 0x80 && !isSpace(c) && u != 0x2029);
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || isDigit(c);
}

// Sorted, for a binary search.
constexpr std::u16string_view keywords[]{
    u"async",   u"await",    u"break",    u"case",       u"catch",  u"class",     u"const",  u"continue",
    u"debugger", u"default", u"delete",   u"do",         u"else",   u"enum",      u"export", u"extends",
    u"false",   u"finally",  u"for",      u"function",   u"if",     u"implements", u"import", u"in",
    u"instanceof", u"interface", u"let",  u"new",        u"null",   u"of",        u"package", u"private",
    u"protected", u"public", u"return",   u"static",     u"super",  u"switch",    u"this",   u"throw",
    u"true",    u"try",      u"typeof",   u"undefined",  u"var",    u"void",      u"while",
};
static_assert(std::is_sorted(std::begin(keywords), std::end(keywords)));

// After these a "/" starts a regular expression, as after an operator.
bool keywordBeforeExpression(std::u16string_view word)
{
    for (std::u16string_view before : {u"return", u"typeof", u"case", u"do", u"else", u"in", u"of", u"new",
                                       u"delete", u"void", u"throw", u"instanceof", u"await", u"yield"}) {
        if (word == before)
            return true;
    }
    return false;
}

bool isKeyword(std::u16string_view word)
{
    return word == u"with" || word == u"yield" || std::binary_search(std::begin(keywords), std::end(keywords), word);
}

class Tokenizer
{
public:
    Tokenizer(QStringView line, JsLineState state, QList<JsSpan> *spans)
        : m_line(line)
        , m_size(int(line.size()))
        , m_mode(state.mode())
        , m_regexAllowed(state.regexAllowed())
        , m_spans(spans)
    {
        // Where the templates that "${" opened stand is kept within a line;
        // a line below knows only that it is inside one.
        if (state.inTemplateExpression())
            m_braces[m_templates++] = 0;
    }

    JsLineState run(bool lineGoesOn)
    {
        switch (m_mode) {
        case Mode::Code:
            break;
        case Mode::BlockComment:
            blockComment(0);
            break;
        case Mode::LineComment:
            lineComment(0);
            break;
        case Mode::Template:
            templateText(0);
            break;
        case Mode::SingleQuoted:
        case Mode::DoubleQuoted:
            string(0, m_mode == Mode::SingleQuoted ? u'\'' : u'"');
            break;
        }
        while (m_pos < m_size)
            code();
        const bool continued = lineGoesOn || (m_size > 0 && m_line[m_size - 1] == u'\\');
        if (!continued && (m_mode == Mode::LineComment || m_mode == Mode::SingleQuoted || m_mode == Mode::DoubleQuoted)) {
            m_mode = Mode::Code;
        }
        return JsLineState(m_mode, m_mode == Mode::Code || m_mode == Mode::BlockComment ? m_regexAllowed : false,
                           m_templates > 0);
    }

private:
    void add(int start, int end, JsToken token)
    {
        if (m_spans && end > start)
            m_spans->append({start, end - start, token});
    }

    QChar at(int i) const { return i < m_size ? m_line[i] : QChar(); }

    void code()
    {
        const QChar c = m_line[m_pos];
        const int start = m_pos;
        if (isLineEnd(c)) {
            ++m_pos;
        } else if (isSpace(c)) {
            ++m_pos;
        } else if (c == u'/' && at(m_pos + 1) == u'/') {
            m_pos += 2;
            lineComment(start);
        } else if (c == u'/' && at(m_pos + 1) == u'*') {
            m_pos += 2;
            blockComment(start);
        } else if (c == u'/') {
            if (m_regexAllowed && regex()) {
                m_regexAllowed = false;
            } else {
                ++m_pos;
                if (at(m_pos) == u'=')
                    ++m_pos;
                m_regexAllowed = true;
            }
        } else if (c == u'"' || c == u'\'') {
            ++m_pos;
            string(start, c);
        } else if (c == u'`') {
            ++m_pos;
            templateText(start);
        } else if (isDigit(c) || (c == u'.' && isDigit(at(m_pos + 1)))) {
            number();
        } else if (isNameStart(c) || (c == u'#' && isNameStart(at(m_pos + 1)))) {
            ++m_pos;
            while (m_pos < m_size && isNameChar(m_line[m_pos]))
                ++m_pos;
            const QStringView word = m_line.sliced(start, m_pos - start);
            const std::u16string_view name(word.utf16(), std::size_t(word.size()));
            // "a.default" and "{ if: 1 }" use keywords as names.
            const bool property = (start > 0 && m_line[start - 1] == u'.' && !(start > 1 && m_line[start - 2] == u'.'));
            if (!property && isKeyword(name)) {
                add(start, m_pos, JsToken::Keyword);
                m_regexAllowed = keywordBeforeExpression(name);
            } else {
                m_regexAllowed = false;
            }
        } else if (c == u'{') {
            ++m_pos;
            if (m_templates > 0)
                ++m_braces[m_templates - 1];
            m_regexAllowed = true;
        } else if (c == u'}') {
            if (m_templates > 0 && m_braces[m_templates - 1] == 0) {
                --m_templates;
                ++m_pos;
                templateText(start);
                return;
            }
            if (m_templates > 0)
                --m_braces[m_templates - 1];
            ++m_pos;
            m_regexAllowed = true;
        } else if (c == u')' || c == u']') {
            ++m_pos;
            m_regexAllowed = false;
        } else if ((c == u'+' || c == u'-') && at(m_pos + 1) == c) {
            // After "a++" a "/" divides; "++" before an operand leaves it unchanged.
            m_pos += 2;
        } else {
            ++m_pos;
            m_regexAllowed = true;
        }
    }

    // A "/" where an operand may stand: a regular expression when it closes
    // on this line, else a division after all.
    bool regex()
    {
        bool inClass = false;
        int i = m_pos + 1;
        for (; i < m_size; ++i) {
            const QChar c = m_line[i];
            if (isLineEnd(c))
                return false;
            if (c == u'\\') {
                ++i;
            } else if (c == u'[') {
                inClass = true;
            } else if (c == u']') {
                inClass = false;
            } else if (c == u'/' && !inClass) {
                break;
            }
        }
        if (i >= m_size)
            return false;
        ++i;
        while (i < m_size && isAsciiLetter(m_line[i]))
            ++i;
        add(m_pos, i, JsToken::Regex);
        m_pos = i;
        return true;
    }

    void lineComment(int start)
    {
        int end = m_pos;
        while (end < m_size && !isLineEnd(m_line[end]))
            ++end;
        add(start, end, JsToken::Comment);
        m_mode = end < m_size ? Mode::Code : Mode::LineComment;
        m_pos = end;
    }

    void blockComment(int start)
    {
        const qsizetype close = m_line.indexOf(u"*/", m_pos);
        const int end = close < 0 ? m_size : int(close) + 2;
        add(start, end, JsToken::Comment);
        m_mode = close < 0 ? Mode::BlockComment : Mode::Code;
        m_pos = end;
    }

    void string(int start, QChar quote)
    {
        int i = m_pos;
        while (i < m_size && m_line[i] != quote && !(isLineEnd(m_line[i]) && m_line[i - 1] != u'\\'))
            i += m_line[i] == u'\\' ? 2 : 1;
        if (i < m_size && m_line[i] == quote) {
            add(start, i + 1, JsToken::String);
            m_pos = i + 1;
            m_mode = Mode::Code;
        } else if (i < m_size) {
            // A line end inside the editor's block ends an unclosed string.
            add(start, i, JsToken::String);
            m_pos = i;
            m_mode = Mode::Code;
        } else {
            add(start, m_size, JsToken::String);
            m_pos = m_size;
            m_mode = quote == u'"' ? Mode::DoubleQuoted : Mode::SingleQuoted;
        }
        m_regexAllowed = false;
    }

    // The text of a template literal, to its closing "`" or to a "${".
    void templateText(int start)
    {
        int i = m_pos;
        while (i < m_size) {
            const QChar c = m_line[i];
            if (c == u'\\') {
                i += 2;
            } else if (c == u'`') {
                add(start, i + 1, JsToken::Template);
                m_pos = i + 1;
                m_mode = Mode::Code;
                m_regexAllowed = false;
                return;
            } else if (c == u'$' && at(i + 1) == u'{') {
                add(start, i + 2, JsToken::Template);
                m_pos = i + 2;
                if (m_templates < int(m_braces.size()))
                    m_braces[m_templates++] = 0;
                m_mode = Mode::Code;
                m_regexAllowed = true;
                return;
            } else {
                ++i;
            }
        }
        add(start, m_size, JsToken::Template);
        m_pos = m_size;
        m_mode = Mode::Template;
    }

    void number()
    {
        const int start = m_pos;
        if (m_line[m_pos] == u'0' && m_pos + 1 < m_size && QStringView(u"xXbBoO").contains(m_line[m_pos + 1])) {
            m_pos += 2;
            while (m_pos < m_size && (isHexDigit(m_line[m_pos]) || m_line[m_pos] == u'_'))
                ++m_pos;
        } else {
            while (m_pos < m_size && (isDigit(m_line[m_pos]) || m_line[m_pos] == u'_' || m_line[m_pos] == u'.'))
                ++m_pos;
            if ((at(m_pos) == u'e' || at(m_pos) == u'E')
                && (isDigit(at(m_pos + 1)) || ((at(m_pos + 1) == u'-' || at(m_pos + 1) == u'+') && isDigit(at(m_pos + 2))))) {
                m_pos += 2;
                while (m_pos < m_size && isDigit(m_line[m_pos]))
                    ++m_pos;
            }
        }
        if (at(m_pos) == u'n')
            ++m_pos;
        add(start, m_pos, JsToken::Number);
        m_regexAllowed = false;
    }

    QStringView m_line;
    int m_size;
    int m_pos = 0;
    Mode m_mode;
    bool m_regexAllowed;
    // For each "${" open on this line, the braces opened inside it since.
    std::array<int, 8> m_braces{};
    int m_templates = 0;
    QList<JsSpan> *m_spans;
};

} // namespace

JsLineState tokenizeJsLine(QStringView line, JsLineState start, QList<JsSpan> *spans, bool lineGoesOn)
{
    return Tokenizer(line, start, spans).run(lineGoesOn);
}

void tokenizeJsonLine(QStringView line, QList<JsonSpan> *spans)
{
    const int size = int(line.size());
    int pos = 0;
    while (pos < size) {
        const QChar c = line[pos];
        const int start = pos;
        if (c == u'"') {
            ++pos;
            while (pos < size && line[pos] != u'"' && !isLineEnd(line[pos]))
                pos += line[pos] == u'\\' ? 2 : 1;
            pos = std::min(size, pos + (pos < size && line[pos] == u'"' ? 1 : 0));
            int after = pos;
            while (after < size && isSpace(line[after]))
                ++after;
            spans->append({start, pos - start, after < size && line[after] == u':' ? JsonToken::Key : JsonToken::String});
        } else if (isDigit(c) || (c == u'-' && pos + 1 < size && isDigit(line[pos + 1]))) {
            ++pos;
            while (pos < size && (isDigit(line[pos]) || QStringView(u".eE+-").contains(line[pos])))
                ++pos;
            spans->append({start, pos - start, JsonToken::Number});
        } else if (isAsciiLetter(c)) {
            while (pos < size && isAsciiLetter(line[pos]))
                ++pos;
            const QStringView word = line.sliced(start, pos - start);
            if (word == u"true" || word == u"false" || word == u"null")
                spans->append({start, pos - start, JsonToken::Literal});
        } else {
            ++pos;
        }
    }
}
