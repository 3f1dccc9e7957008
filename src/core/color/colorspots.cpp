// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/color/colorspots.h"

#include "core/color/colorvalue.h"

namespace {

bool isColourAttribute(QStringView name)
{
    for (QStringView colour : {u"bgcolor", u"color", u"text", u"link", u"vlink", u"alink", u"bordercolor",
                               u"bordercolordark", u"bordercolorlight"}) {
        if (name.compare(colour, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isColourFunction(QStringView name)
{
    for (QStringView function : {u"rgb", u"rgba", u"hsl", u"hsla"}) {
        if (name.compare(function, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QList<ColourSpot> colourSpots(QStringView line, const QList<PageSpan> &spans)
{
    QList<ColourSpot> spots;
    QStringView attribute;
    for (const PageSpan &span : spans) {
        const QStringView text = line.sliced(span.start, span.length);
        switch (span.token) {
        case PageToken::Colour:
            if (const auto value = parseColourValue(text))
                spots.append({span.start, span.length, value->colour});
            break;
        case PageToken::Function: {
            const int open = span.start + span.length;
            if (!isColourFunction(text) || open >= line.size() || line[open] != u'(')
                break;
            const qsizetype close = line.indexOf(u')', open);
            if (close < 0)
                break;
            const QStringView call = line.sliced(span.start, close + 1 - span.start);
            if (const auto value = parseColourValue(call))
                spots.append({span.start, int(call.size()), value->colour});
            break;
        }
        case PageToken::AttributeName:
            attribute = text;
            break;
        case PageToken::AttributeValue: {
            if (!isColourAttribute(attribute))
                break;
            attribute = {};
            int from = 0;
            int to = int(text.size());
            if (to > 0 && (text[0] == u'"' || text[0] == u'\'')) {
                from = 1;
                if (to > 1 && text[to - 1] == text[0])
                    --to;
            }
            const QStringView value = text.sliced(from, to - from).trimmed();
            if (value.isEmpty())
                break;
            const int start = span.start + from + int(text.sliced(from).indexOf(value));
            if (const auto colour = parseColourValue(value, true))
                spots.append({start, int(value.size()), colour->colour});
            break;
        }
        case PageToken::Tag:
            attribute = {};
            break;
        default:
            break;
        }
    }
    return spots;
}
