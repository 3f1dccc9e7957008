// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

#include <QList>
#include <QString>
#include <QStringView>

// What an attribute the palette or the wizard writes is for, in a few words;
// empty for a name the glossary does not know.
QStringView attributeExplanation(QStringView name);

// The attribute names in a piece of markup (" bgcolor=''" → bgcolor), in order.
QStringList attributeNames(QStringView markup);

// The tooltip of a tag in tagu: its explanation and the elements it writes.
QString tagTip(int kind, int tagu);
QString tagTip(CatalogueChoice which, int kind, int tagu);

// The tooltip of box `box` (1 for Check1) of a tag: what it writes and what
// for; empty for a box the tag does not show.
QString optionTip(const Tag &tag, int box);
// … the attributes explained from the table of HTML's attributes when the
// tag is one of 今の HTML (the designed glossary speaks of frames and fonts).
QString optionTip(const Tag &tag, int box, CatalogueChoice which);

// The tooltip of combo `combo` (1 for zokusei1): what its attribute is for
// and the value each item writes; empty for a combo the tag does not show.
QString comboTip(const Tag &tag, int combo);
QString comboTip(const Tag &tag, int combo, CatalogueChoice which);

// Where a tag stands in the palette.
struct TagPlace {
    int kind = -1;
    int tagu = -1;
    friend bool operator==(const TagPlace &, const TagPlace &) = default;
};

// The tags a search finds, best first: by element name ("td", "TABLE"), by
// label ("リンク"), by category name, or by a word of the explanation ("表").
// Nothing for a blank query.
QList<TagPlace> findTags(QStringView query);
// … in the chosen catalogue.
QList<TagPlace> findTags(QStringView query, CatalogueChoice which);
