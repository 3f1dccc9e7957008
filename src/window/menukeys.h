// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/keyset.h"

class QWidget;

// Gives the window's menu items the keys of the set. The shortcut filter reads
// the items' keys as it goes, so it follows at once.
void applyKeySet(QWidget *window, KeySet set);
