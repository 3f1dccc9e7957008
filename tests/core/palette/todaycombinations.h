// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The option combinations of the 今の HTML catalogue that were put through the
// Nu Html Checker: for every tag, its set-up, nothing at all, every box
// ticked, and every box ticked with each item of each combo.

#include "core/palette/catalogue.h"

#include <QList>
#include <QString>

using namespace Qt::StringLiterals;

struct Combination {
    QString name; // "set-up", "none", "all", "all, zokusei2 = 3"
    PaletteState state;
};

inline QList<Combination> todayCombinations(const Tag &tag)
{
    PaletteState setUp;
    PaletteState all;
    PaletteState none;
    for (std::size_t i = 0; i < tag.checks.size(); ++i) {
        setUp.checks[i] = tag.ticked & box(int(i) + 1);
        all.checks[i] = !tag.checks[i].caption.isEmpty();
    }
    for (std::size_t i = 0; i < 3; ++i)
        setUp.combos[i] = all.combos[i] = tag.chosen[i];
    QList<Combination> combinations{{u"set-up"_s, setUp}, {u"none"_s, none}, {u"all"_s, all}};
    for (int combo = 1; combo <= 3; ++combo) {
        for (int item = 0; item < int(tag.combos[combo - 1].size()); ++item) {
            PaletteState state = all;
            state.combos[combo - 1] = item;
            combinations.append({u"all, zokusei%1 = %2"_s.arg(combo).arg(item), state});
        }
    }
    return combinations;
}
