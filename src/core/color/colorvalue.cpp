// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/color/colorvalue.h"

#include "core/html/cssdata.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using Notation = ColourValue::Notation;

namespace {

int compareName(std::u16string_view lower, QStringView name)
{
    return QStringView(lower.data(), qsizetype(lower.size())).compare(name, Qt::CaseInsensitive);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<QColor> parseHex(QStringView digits)
{
    const qsizetype n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return std::nullopt;
    int parts[8];
    for (qsizetype i = 0; i < n; ++i) {
        if ((parts[i] = hexValue(digits[i])) < 0)
            return std::nullopt;
    }
    const auto part = [&](int i) { return n <= 4 ? parts[i] * 17 : parts[2 * i] * 16 + parts[2 * i + 1]; };
    return QColor(part(0), part(1), part(2), n == 4 || n == 8 ? part(3) : 255);
}

// The channels and the alpha inside a function's parentheses, in either
// way of writing them: "1, 2, 3, 0.5" or "1 2 3 / 50%".
struct Arguments {
    QList<QStringView> channels;
    QStringView alpha;
    bool commas = false;
};

std::optional<Arguments> splitArguments(QStringView inside)
{
    Arguments arguments;
    arguments.commas = inside.contains(u',');
    QStringView channels = inside;
    if (const qsizetype slash = inside.indexOf(u'/'); slash >= 0) {
        arguments.alpha = inside.sliced(slash + 1).trimmed();
        channels = inside.first(slash);
    }
    for (QStringView part : channels.tokenize(arguments.commas ? u","_s : u" "_s)) {
        part = part.trimmed();
        if (!part.isEmpty())
            arguments.channels << part;
    }
    if (arguments.commas && arguments.channels.size() == 4 && arguments.alpha.isEmpty())
        arguments.alpha = arguments.channels.takeLast();
    if (arguments.channels.size() != 3)
        return std::nullopt;
    return arguments;
}

// A number, perhaps with a unit; percent says whether it was a percentage.
std::optional<double> number(QStringView text, bool *percent = nullptr, QStringView *unit = nullptr)
{
    qsizetype end = 0;
    while (end < text.size() && (text[end].isDigit() || text[end] == u'.' || text[end] == u'-' || text[end] == u'+'))
        ++end;
    bool ok = false;
    const double value = text.first(end).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const QStringView rest = text.sliced(end);
    if (percent)
        *percent = rest == u"%";
    if (unit)
        *unit = rest;
    return value;
}

std::optional<double> alphaOf(QStringView text)
{
    if (text.isEmpty())
        return 1.0;
    bool percent = false;
    const auto value = number(text, &percent);
    if (!value)
        return std::nullopt;
    return std::clamp(percent ? *value / 100 : *value, 0.0, 1.0);
}

std::optional<QColor> parseFunction(QStringView name, QStringView inside)
{
    const auto arguments = splitArguments(inside);
    if (!arguments)
        return std::nullopt;
    const auto alpha = alphaOf(arguments->alpha);
    if (!alpha)
        return std::nullopt;
    double values[3];
    bool percents[3];
    for (int i = 0; i < 3; ++i) {
        const auto value = number(arguments->channels[i], &percents[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    QColor colour;
    if (name.startsWith(u"rgb", Qt::CaseInsensitive)) {
        const auto channel = [&](int i) { return std::clamp(percents[i] ? values[i] / 100 : values[i] / 255, 0.0, 1.0); };
        colour = QColor::fromRgbF(float(channel(0)), float(channel(1)), float(channel(2)));
    } else {
        const double hue = std::fmod(std::fmod(values[0], 360) + 360, 360) / 360;
        colour = QColor::fromHslF(float(hue), float(std::clamp(values[1] / 100, 0.0, 1.0)),
                                  float(std::clamp(values[2] / 100, 0.0, 1.0)));
    }
    colour.setAlphaF(float(*alpha));
    return colour;
}

QString hex(int value, bool upper)
{
    QString text = QString::number(value, 16).rightJustified(2, u'0');
    return upper ? text.toUpper() : text;
}

QString writeHex(const QColor &colour, const ColourValue &like)
{
    const qsizetype hash = like.text.startsWith(u'#') ? 1 : 0;
    const QStringView digits = QStringView(like.text).sliced(hash);
    const bool upper = !std::any_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'a' && c <= u'f'; });
    const int parts[] = {colour.red(), colour.green(), colour.blue()};
    const bool alpha = digits.size() == 4 || digits.size() == 8;
    QString text = hash ? u"#"_s : QString();
    const bool shortForm = (digits.size() == 3 || digits.size() == 4)
        && std::all_of(std::begin(parts), std::end(parts), [](int part) { return part % 17 == 0; });
    for (int part : parts)
        text += shortForm ? hex(part / 17, upper).right(1) : hex(part, upper);
    if (alpha) {
        // The alpha the page gave stays as it was written.
        const QStringView written = digits.size() == 4 ? digits.sliced(3) : digits.sliced(6);
        text += shortForm || digits.size() == 8 ? written.toString() : QString(2, written[0]);
    }
    return text;
}

QString writeFunction(const QColor &colour, const ColourValue &like)
{
    const qsizetype open = like.text.indexOf(u'(');
    const QStringView name = QStringView(like.text).first(open);
    const QStringView inside = QStringView(like.text).sliced(open + 1).chopped(1);
    const auto arguments = splitArguments(inside);
    QStringList parts;
    if (like.notation == Notation::Rgb) {
        bool percent = false;
        number(arguments->channels[0], &percent);
        for (int channel : {colour.red(), colour.green(), colour.blue()})
            parts << (percent ? QString::number(qRound(channel * 100.0 / 255)) + u'%' : QString::number(channel));
    } else {
        QStringView unit;
        number(arguments->channels[0], nullptr, &unit);
        const int hue = std::max(0, colour.hslHue());
        parts << QString::number(hue) + unit.toString() << QString::number(qRound(colour.hslSaturationF() * 100)) + u'%'
              << QString::number(qRound(colour.lightnessF() * 100)) + u'%';
    }
    QString text = name.toString() + u'(';
    if (arguments->commas) {
        const QString separator = inside.contains(u", ") ? u", "_s : u","_s;
        text += parts.join(separator);
        if (!arguments->alpha.isEmpty())
            text += separator + arguments->alpha.toString();
    } else {
        text += parts.join(u' ');
        if (!arguments->alpha.isEmpty())
            text += u" / "_s + arguments->alpha.toString();
    }
    return text + u')';
}

} // namespace

std::optional<QRgb> cssNamedColour(QStringView name)
{
    const auto names = cssColourNames();
    const auto found = std::lower_bound(names.begin(), names.end(), name,
                                        [](const CssColourName &entry, QStringView wanted) {
                                            return compareName(entry.name, wanted) < 0;
                                        });
    if (found == names.end() || compareName(found->name, name) != 0)
        return std::nullopt;
    return found->rgb;
}

std::optional<ColourValue> parseColourValue(QStringView text, bool bareHex)
{
    if (text.startsWith(u'#') || (bareHex && (text.size() == 6 || text.size() == 3))) {
        if (const auto colour = parseHex(text.sliced(text.startsWith(u'#') ? 1 : 0)))
            return ColourValue{*colour, Notation::Hex, text.toString()};
        if (text.startsWith(u'#'))
            return std::nullopt;
    }
    if (const qsizetype open = text.indexOf(u'('); open > 0 && text.endsWith(u')')) {
        const QStringView name = text.first(open);
        const bool rgb = name.compare(u"rgb", Qt::CaseInsensitive) == 0 || name.compare(u"rgba", Qt::CaseInsensitive) == 0;
        const bool hsl = name.compare(u"hsl", Qt::CaseInsensitive) == 0 || name.compare(u"hsla", Qt::CaseInsensitive) == 0;
        if (!rgb && !hsl)
            return std::nullopt;
        if (const auto colour = parseFunction(name, text.sliced(open + 1).chopped(1)))
            return ColourValue{*colour, rgb ? Notation::Rgb : Notation::Hsl, text.toString()};
        return std::nullopt;
    }
    if (const auto rgb = cssNamedColour(text))
        return ColourValue{QColor(*rgb), Notation::Name, text.toString()};
    return std::nullopt;
}

QString writeColourValue(const QColor &colour, const ColourValue &like)
{
    switch (like.notation) {
    case Notation::Hex:
        return writeHex(colour, like);
    case Notation::Rgb:
    case Notation::Hsl:
        return writeFunction(colour, like);
    case Notation::Name:
        break;
    }
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    for (const CssColourName &entry : cssColourNames()) {
        if ((entry.rgb & 0xFFFFFF) == rgb)
            return QString::fromUtf16(entry.name.data(), qsizetype(entry.name.size()));
    }
    return u'#' + hex(colour.red(), false) + hex(colour.green(), false) + hex(colour.blue(), false);
}
