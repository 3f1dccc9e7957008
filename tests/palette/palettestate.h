// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette/catalogue.h"

#include <QList>

// A palette state from the numbers of the ticked boxes (1 for Check1) and the
// chosen index of zokusei1..3 (-1 for none).
inline PaletteState paletteState(const QList<int> &tickedBoxes, const QList<int> &chosen = {})
{
    PaletteState state;
    for (int box : tickedBoxes)
        state.checks.at(box - 1) = true;
    for (int i = 0; i < chosen.size(); ++i)
        state.combos.at(i) = chosen[i];
    return state;
}
