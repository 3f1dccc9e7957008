// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/todaymarkup.h"

static QString chosenAttributes(const Tag &tag, const PaletteState &state)
{
    QString written;
    for (int combo = 1; combo <= 3; ++combo) {
        const QStringView word = chosenOrPreset(tag, state, combo);
        if (word.isEmpty())
            continue;
        const QStringView lead = tag.leads.at(combo - 1);
        if (lead.isEmpty())
            written += word;
        else
            written += lead + word + u'"';
    }
    return written;
}

QString chosenOnlyMarkup(const Tag &tag, const PaletteState &state)
{
    return tag.open + tickedAttributes(tag, state) + chosenAttributes(tag, state) + tag.close;
}

QString chosenFirstMarkup(const Tag &tag, const PaletteState &state)
{
    return tag.open + chosenAttributes(tag, state) + tickedAttributes(tag, state) + tag.close;
}

QStringView chosenOrPreset(const Tag &tag, const PaletteState &state, int combo)
{
    if (const QStringView word = chosenWord(tag, state, combo); !word.isEmpty())
        return word;
    const int preset = tag.chosen.at(combo - 1);
    const Choices choices = tag.combos.at(combo - 1);
    return preset >= 0 && preset < int(choices.size()) ? choices[preset].written : QStringView();
}

QString withCharset(QStringView markup, QStringView charset)
{
    constexpr QStringView empty = u"<meta charset=\"\">";
    const qsizetype at = markup.indexOf(empty);
    if (charset.isEmpty() || at < 0)
        return markup.toString();
    return markup.left(at) + u"<meta charset=\"" + charset + u"\">" + markup.mid(at + empty.size());
}
