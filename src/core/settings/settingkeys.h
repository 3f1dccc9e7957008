// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"

#include <QString>

// Every setting the program keeps, with the value a first start uses. A first
// start behaves exactly as designed: a default never changes behaviour.
namespace Settings {

// The View menu's HTML colouring and line numbers, off as designed.
inline const Setting<bool> syntaxColoring{"view/syntaxColoring", false};
inline const Setting<bool> lineNumbers{"view/lineNumbers", false};
// The menu keys: "designed" or "standard".
inline const Setting<QString> keySet{"keys/set", QStringLiteral("designed")};
// Offering the closing tag after "</" is typed; off as designed.
inline const Setting<bool> closingTags{"editor/closingTags", false};

} // namespace Settings
