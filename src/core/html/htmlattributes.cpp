// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/htmlattributes.h"

#include "core/html/htmltokenizer.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

QString unquoted(QStringView value)
{
    if (!value.isEmpty() && (value.front() == u'"' || value.front() == u'\''))
        value = value.sliced(1);
    if (!value.isEmpty() && (value.back() == u'"' || value.back() == u'\''))
        value.chop(1);
    QString result = value.toString();
    if (result.contains(u'&'))
        result.replace(u"&amp;"_s, u"&"_s, Qt::CaseInsensitive).replace(u"&quot;"_s, u"\""_s, Qt::CaseInsensitive);
    return result;
}

} // namespace

void forEachHtmlAttribute(QStringView text, const std::function<void(const HtmlAttribute &)> &found)
{
    HtmlLineState state;
    QList<HtmlSpan> spans;
    QStringView element;
    QStringView name;
    HtmlAttribute pending; // a quoted value going on past its line
    QString pendingText;
    qsizetype lineNumber = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        const QStringView line = text.sliced(start, end - start);
        ++lineNumber;
        // Most lines of a page hold no tag: the tokenizer only follows them.
        const bool plain = state.mode() == HtmlLineState::Mode::Text && !line.contains(u'<');
        spans.clear();
        const HtmlLineState next = tokenizeHtmlLine(line, state, plain ? nullptr : &spans);
        for (const HtmlSpan &span : std::as_const(spans)) {
            const QStringView piece = line.sliced(span.start, span.length);
            switch (span.token) {
            case HtmlToken::Tag:
                if (piece.startsWith(u'<') && !piece.startsWith(u"</"))
                    element = piece.sliced(1);
                else if (piece.startsWith(u"</"))
                    element = {};
                name = {};
                break;
            case HtmlToken::AttributeName:
                name = piece;
                break;
            case HtmlToken::AttributeValue: {
                const bool continued = !pendingText.isNull() && span.start == 0;
                if (continued) {
                    pendingText += u'\n' + piece.toString();
                } else {
                    pending = {element, name, {}, lineNumber, span.start + 1};
                    pendingText = piece.toString();
                    if (piece.startsWith(u'"') || piece.startsWith(u'\''))
                        ++pending.column;
                }
                const bool quoted = pendingText.startsWith(u'"') || pendingText.startsWith(u'\'');
                const bool closed = !quoted || (pendingText.size() > 1 && pendingText.back() == pendingText.front());
                if (closed) {
                    if (!pending.name.isEmpty() && !pending.element.isEmpty()) {
                        pending.value = unquoted(pendingText);
                        found(pending);
                    }
                    pendingText = QString();
                    name = {};
                }
                break;
            }
            default:
                break;
            }
        }
        state = next;
        start = end + 1;
    }
}
