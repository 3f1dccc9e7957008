// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/markupstyle.h"

#include "core/palette/palettemarkup.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// The end of a single-quoted value: the next quote that ends the attribute
// (followed by a blank, the end of the tag or of the text). A quote typed
// into a wizard box inside the value ("Tom's.gif") stays part of the value.
qsizetype singleQuotedEnd(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] != u'\'')
            continue;
        if (i + 1 >= text.size() || isBlank(text[i + 1]) || text[i + 1] == u'>' || text[i + 1] == u'/')
            return i;
    }
    return -1;
}

class Restyler
{
public:
    Restyler(QStringView text, QStringView charset)
        : m_text(text)
        , m_charset(charset)
    {
    }

    QString run()
    {
        while (m_at < m_text.size()) {
            if (m_text[m_at] == u'<' && m_text.mid(m_at).startsWith(u"<!--"))
                copyComment();
            else if (m_text[m_at] == u'<' && startsTag())
                restyleTag();
            else
                m_out += m_text[m_at++];
        }
        if (m_sawHtml && !m_text.contains(u"<!DOCTYPE", Qt::CaseInsensitive))
            return u"<!DOCTYPE html>" + crlf + m_out;
        return m_out;
    }

private:
    bool startsTag() const
    {
        qsizetype i = m_at + 1;
        if (i < m_text.size() && m_text[i] == u'/')
            ++i;
        return i < m_text.size() && m_text[i].isLetter();
    }

    void copyComment()
    {
        const qsizetype end = m_text.indexOf(u"-->", m_at + 4);
        const qsizetype stop = end < 0 ? m_text.size() : end + 3;
        m_out += m_text.mid(m_at, stop - m_at);
        m_at = stop;
    }

    QStringView name()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isNameChar(m_text[m_at]))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }

    void restyleTag()
    {
        m_out += u'<';
        ++m_at;
        const bool endTag = m_text[m_at] == u'/';
        if (endTag) {
            m_out += u'/';
            ++m_at;
        }
        const QString element = name().toString().toLower();
        m_out += element;
        bool hasLang = false;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == u'>') {
                break;
            } else if (isBlank(c) || c == u'/') {
                m_out += c;
                ++m_at;
            } else if (isNameChar(c) || c == u'\'' || c == u'"') {
                const QStringView attribute = restyleAttribute();
                hasLang = hasLang || attribute.compare(u"lang", Qt::CaseInsensitive) == 0;
            } else {
                m_out += c;
                ++m_at;
            }
        }
        const bool closed = m_at < m_text.size();
        if (!endTag && element == u"html") {
            m_sawHtml = true;
            if (!hasLang)
                m_out += u" lang=\"ja\"";
        }
        if (!closed)
            return;
        m_out += u'>';
        ++m_at;
        if (!endTag && element == u"head" && !m_charset.isEmpty())
            m_out += u"<meta charset=\"" + m_charset + u"\">";
    }

    // Writes one attribute and returns its name as written in the markup.
    QStringView restyleAttribute()
    {
        const QStringView attribute = name();
        if (attribute.isEmpty()) {
            // A stray quote where a name belongs: copied, never lost.
            m_out += m_text[m_at++];
            return {};
        }
        m_out += attribute.toString().toLower();
        if (m_at >= m_text.size() || m_text[m_at] != u'=')
            return attribute;
        ++m_at;
        QStringView value;
        if (m_at < m_text.size() && (m_text[m_at] == u'\'' || m_text[m_at] == u'"')) {
            const QChar quote = m_text[m_at];
            const qsizetype end = quote == u'\'' ? singleQuotedEnd(m_text, m_at + 1) : m_text.indexOf(quote, m_at + 1);
            const qsizetype stop = end < 0 ? m_text.size() : end;
            value = m_text.mid(m_at + 1, stop - m_at - 1);
            m_at = end < 0 ? stop : stop + 1;
        } else {
            const qsizetype start = m_at;
            while (m_at < m_text.size() && !isBlank(m_text[m_at]) && m_text[m_at] != u'>')
                ++m_at;
            value = m_text.mid(start, m_at - start);
        }
        m_out += u"=\"";
        for (const QChar c : value) {
            if (c == u'"')
                m_out += u"&quot;";
            else
                m_out += c;
        }
        m_out += u'"';
        return attribute;
    }

    QStringView m_text;
    QStringView m_charset;
    QString m_out;
    qsizetype m_at = 0;
    bool m_sawHtml = false;
};

} // namespace

QString html5Markup(QStringView designed, QStringView charset)
{
    return Restyler(designed, charset).run();
}

QString styledMarkup(MarkupStyle style, QStringView designed, QStringView charset)
{
    if (style == MarkupStyle::Html5)
        return html5Markup(designed, charset);
    return designed.toString();
}
