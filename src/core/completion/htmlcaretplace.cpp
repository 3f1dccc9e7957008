// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/completion/htmlcaretplace.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

qsizetype nameEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && isNameChar(text[from]))
        ++from;
    return from;
}

// Whether the caret is inside a comment, or in the raw inside of a script or
// style element, none of which is markup.
bool inRawText(QStringView before)
{
    const qsizetype comment = before.lastIndexOf(u"<!--");
    if (comment >= 0 && before.indexOf(u"-->", comment + 4) < 0)
        return true;
    for (QStringView element : {u"script", u"style"}) {
        const QString openTag = u'<' + element.toString();
        const QString closeTag = u"</" + element.toString();
        const qsizetype open = before.lastIndexOf(openTag, -1, Qt::CaseInsensitive);
        if (open < 0 || nameEnd(before, open + 1) != open + 1 + element.size())
            continue;
        const qsizetype close = before.lastIndexOf(closeTag, -1, Qt::CaseInsensitive);
        const qsizetype openEnd = before.indexOf(u'>', open);
        if (close < open && openEnd >= 0)
            return true;
    }
    return false;
}

// The attribute names written in the rest of a tag after the caret.
void collectNamesAfter(QStringView text, qsizetype from, QStringList &names)
{
    QChar quote;
    bool afterSpace = false;
    for (qsizetype at = from; at < text.size(); ++at) {
        const QChar c = text[at];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'>' || c == u'<')
            return;
        if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (isSpace(c)) {
            afterSpace = true;
            continue;
        } else if (afterSpace && isNameChar(c)) {
            const qsizetype end = nameEnd(text, at);
            names << text.sliced(at, end - at).toString().toLower();
            at = end - 1;
        } else if (c == u'=') {
            // a value follows: its unquoted words are no names
        }
        afterSpace = false;
    }
}

} // namespace

HtmlCaretPlace htmlCaretPlace(QStringView text, qsizetype caret)
{
    HtmlCaretPlace place;
    place.from = place.to = caret;
    const QStringView before = text.first(caret);
    if (inRawText(before))
        return place;

    // "&am|"
    qsizetype wordStart = caret;
    while (wordStart > 0 && text[wordStart - 1].isLetterOrNumber() && text[wordStart - 1].unicode() < 0x80)
        --wordStart;
    if (wordStart > 0 && text[wordStart - 1] == u'&') {
        place.kind = HtmlCaretPlace::CharacterReference;
        place.from = wordStart;
        qsizetype end = caret;
        while (end < text.size() && text[end].isLetterOrNumber() && text[end].unicode() < 0x80)
            ++end;
        place.to = end < text.size() && text[end] == u';' ? end + 1 : end;
        return place;
    }

    const qsizetype lt = before.lastIndexOf(u'<');
    if (lt < 0)
        return place;
    place.tagStart = lt;
    qsizetype at = lt + 1;
    if (at < caret && text[at] == u'/') {
        const qsizetype end = nameEnd(text, at + 1);
        if (end < caret)
            return place;
        place.kind = HtmlCaretPlace::EndTagName;
        place.from = at + 1;
        place.to = end < text.size() && text[end] == u'>' ? end + 1 : end;
        return place;
    }
    const qsizetype nameStop = nameEnd(text, at);
    if (nameStop >= caret) {
        if (at < caret && !text[at].isLetter())
            return place;
        place.kind = HtmlCaretPlace::ElementName;
        place.from = at;
        place.to = nameStop;
        return place;
    }
    if (nameStop == at)
        return place; // "<!", "<?", "< "
    place.element = text.sliced(at, nameStop - at).toString().toLower();

    // Through the tag's attributes up to the caret.
    at = nameStop;
    while (at < caret) {
        const QChar c = text[at];
        if (c == u'>' || c == u'<')
            return {};
        if (isSpace(c) || c == u'/') {
            ++at;
            continue;
        }
        const qsizetype end = isNameChar(c) ? nameEnd(text, at) : at + 1;
        const QString name = text.sliced(at, end - at).toString().toLower();
        if (end >= caret) {
            if (!isSpace(text[at - 1]))
                return {};
            place.kind = HtmlCaretPlace::AttributeName;
            place.from = at;
            place.to = end;
            collectNamesAfter(text, end, place.written);
            return place;
        }
        at = end;
        qsizetype equals = at;
        while (equals < caret && isSpace(text[equals]))
            ++equals;
        if (equals >= caret || text[equals] != u'=') {
            place.written << name;
            continue;
        }
        qsizetype value = equals + 1;
        while (value < caret && isSpace(text[value]))
            ++value;
        if (value >= caret) {
            // "name=|": the value is not begun
            place.kind = HtmlCaretPlace::AttributeValue;
            place.attribute = name;
            place.from = caret;
            place.to = nameEnd(text, caret);
            collectNamesAfter(text, caret, place.written);
            return place;
        }
        const QChar quote = text[value];
        if (quote == u'"' || quote == u'\'') {
            const qsizetype close = text.indexOf(quote, value + 1);
            if (close < 0 || close >= caret) {
                place.kind = HtmlCaretPlace::AttributeValue;
                place.attribute = name;
                place.quote = quote;
                place.from = value + 1;
                place.closingQuote = close;
                // The value may already stand after the caret: it is replaced whole.
                place.to = close >= 0 ? close : caret;
                if (close >= 0)
                    collectNamesAfter(text, close + 1, place.written);
                return place;
            }
            at = close + 1;
        } else {
            qsizetype end = value;
            while (end < text.size() && !isSpace(text[end]) && text[end] != u'>')
                ++end;
            if (end >= caret) {
                place.kind = HtmlCaretPlace::AttributeValue;
                place.attribute = name;
                place.from = value;
                place.to = end;
                collectNamesAfter(text, end, place.written);
                return place;
            }
            at = end;
        }
        place.written << name;
    }
    // The caret right after whitespace (or the element's name when a space
    // follows): a new attribute's place.
    if (!isSpace(text[caret - 1]))
        return {};
    place.kind = HtmlCaretPlace::AttributeName;
    place.from = place.to = caret;
    collectNamesAfter(text, caret - 1, place.written);
    return place;
}
