// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"

// Every setting the program keeps, with the value a first start uses. A first
// start behaves exactly as designed: a default never changes behaviour.
namespace Settings {

// The settings page 挿入: how Insert writes the palette's and the wizard's markup.
inline const Setting<bool> wrapSelection{"insert/wrapSelection", false};
inline const Setting<bool> caretIntoValue{"insert/caretIntoValue", false};
inline const Setting<QString> markupStyle{"insert/markupStyle", QStringLiteral("designed")};
// The tag search and markup preview beside the editor, shown from the View menu.
inline const Setting<bool> showPaletteTools{"palette/showTools", false};

} // namespace Settings
