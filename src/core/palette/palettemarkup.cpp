// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/palettemarkup.h"

QStringView chosenWord(const Tag &tag, const PaletteState &state, int combo)
{
    const Choices choices = tag.combos.at(combo - 1);
    const int index = state.chosen(combo);
    if (index < 0 || index >= int(choices.size()))
        return {};
    return choices[index].written;
}

// A combo-fed value keeps both quotes even when nothing is chosen.
static QString withValue(QStringView text, int valueFrom, const Tag &tag, const PaletteState &state)
{
    if (valueFrom == 0)
        return text.toString();
    return text + chosenWord(tag, state, valueFrom) + u'\'';
}

static QString optionMarkup(const Option &option, const Tag &tag, const PaletteState &state)
{
    return withValue(option.written, option.valueFrom, tag, state);
}

QString tickedAttributes(const Tag &tag, const PaletteState &state)
{
    QString written;
    for (std::size_t i = 0; i < tag.checks.size(); ++i) {
        if (state.ticked(int(i) + 1))
            written += optionMarkup(tag.checks[i], tag, state);
    }
    return written;
}

QString lastTickedMarkup(const Tag &tag, const PaletteState &state)
{
    QString written;
    for (std::size_t i = 0; i < tag.checks.size(); ++i) {
        if (state.ticked(int(i) + 1))
            written = optionMarkup(tag.checks[i], tag, state);
    }
    return written;
}

static bool allTicked(unsigned boxes, const PaletteState &state)
{
    for (int n = 1; n <= int(state.checks.size()); ++n) {
        if ((boxes & box(n)) && !state.ticked(n))
            return false;
    }
    return true;
}

QString joinPieces(std::span<const Piece> pieces, const Tag &tag, const PaletteState &state)
{
    QString written;
    for (const Piece &piece : pieces) {
        if (allTicked(piece.when, state))
            written += withValue(piece.text, piece.valueFrom, tag, state);
    }
    return written;
}

static QString choicePieces(const Tag &tag, const PaletteState &state)
{
    QString written;
    for (int combo = 1; combo <= 3; ++combo) {
        const QStringView lead = tag.leads.at(combo - 1);
        if (lead.isEmpty())
            continue;
        written += lead;
        written += chosenWord(tag, state, combo);
    }
    return written;
}

QString elementMarkup(const Tag &tag, const PaletteState &state)
{
    return tag.open.toString() + tickedAttributes(tag, state) + choicePieces(tag, state) + tag.close;
}

QString choicesFirstMarkup(const Tag &tag, const PaletteState &state)
{
    return tag.open.toString() + choicePieces(tag, state) + u'\'' + tickedAttributes(tag, state) + tag.close;
}

QString joinLines(std::span<const QStringView> lines)
{
    QString joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += crlf;
        joined += lines[i];
    }
    return joined;
}
