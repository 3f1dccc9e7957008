// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/closingtag.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

bool isNameStart(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool endsName(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\f' || u == u'>' || u == u'/'
        || u == QChar::ParagraphSeparator || u == QChar::LineSeparator;
}

bool isVoid(QStringView name)
{
    static constexpr std::array<QStringView, 19> voids{
        u"area", u"base", u"basefont", u"bgsound", u"br", u"col", u"embed", u"frame", u"hr", u"img",
        u"input", u"isindex", u"keygen", u"link", u"meta", u"param", u"source", u"track", u"wbr",
    };
    return std::any_of(voids.begin(), voids.end(),
                       [name](QStringView v) { return name.compare(v, Qt::CaseInsensitive) == 0; });
}

// The position after the '>' that ends the tag whose attributes start at
// `from`, quotes honoured; -1 when the text ends inside the tag.
qsizetype tagEnd(QStringView text, qsizetype from, bool *selfClosed)
{
    QChar quote;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            *selfClosed = i > from && text[i - 1] == u'/';
            return i + 1;
        }
    }
    return -1;
}

} // namespace

std::optional<QString> elementToClose(QStringView text)
{
    QList<QStringView> open;
    qsizetype i = 0;
    while (true) {
        const qsizetype lt = text.indexOf(u'<', i);
        if (lt < 0 || lt + 1 >= text.size())
            break;
        const QStringView rest = text.sliced(lt);
        if (rest.startsWith(u"<!--")) {
            const qsizetype close = text.indexOf(u"-->", lt + 4);
            if (close < 0)
                return std::nullopt;
            i = close + 3;
            continue;
        }
        if (rest.startsWith(u"<!") || rest.startsWith(u"<?")) {
            const qsizetype close = text.indexOf(u'>', lt + 2);
            if (close < 0)
                return std::nullopt;
            i = close + 1;
            continue;
        }
        const bool closing = text[lt + 1] == u'/';
        const qsizetype nameAt = lt + (closing ? 2 : 1);
        if (nameAt >= text.size() || !isNameStart(text[nameAt])) {
            i = lt + 1;
            continue;
        }
        qsizetype nameEnd = nameAt;
        while (nameEnd < text.size() && !endsName(text[nameEnd]))
            ++nameEnd;
        const QStringView name = text.sliced(nameAt, nameEnd - nameAt);
        bool selfClosed = false;
        const qsizetype end = tagEnd(text, nameEnd, &selfClosed);
        if (end < 0)
            return std::nullopt;
        i = end;
        if (closing) {
            const auto match = std::find_if(open.rbegin(), open.rend(), [name](QStringView element) {
                return element.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (match != open.rend())
                open.erase(std::next(match).base(), open.end());
            continue;
        }
        if (selfClosed || isVoid(name))
            continue;
        open.append(name);
        const bool script = name.compare(u"script", Qt::CaseInsensitive) == 0;
        if (script || name.compare(u"style", Qt::CaseInsensitive) == 0) {
            // Its contents are not markup: only its own end tag ends it.
            const QStringView endTag = script ? u"</script" : u"</style";
            const qsizetype close = text.indexOf(endTag, i, Qt::CaseInsensitive);
            if (close < 0)
                return name.toString();
            i = close;
        }
    }
    if (open.isEmpty())
        return std::nullopt;
    return open.last().toString();
}
