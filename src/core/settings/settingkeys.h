// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"

#include <QString>

// Every setting the program keeps, with the value a first start uses. A first
// start behaves exactly as designed: a default never changes behaviour.
namespace Settings {

// The editor font the user last chose in the font dialog; empty until then.
inline const Setting<QString> editorFontName{"view/editorFontName", QString()};
inline const Setting<double> editorFontSize{"view/editorFontSize", 0.0};
// The main window's size and place when it was last closed; empty until then.
inline const Setting<QByteArray> windowGeometry{"window/geometry", QByteArray()};
// Where the Open and Save dialogs start when they have no file name to offer.
inline const Setting<QString> fileDialogFolder{"files/dialogFolder", QString()};
// The pages last opened or saved, newest first.
inline const Setting<QStringList> recentFiles{"files/recent", QStringList()};
// The View menu's HTML colouring and line numbers, off as designed.
inline const Setting<bool> syntaxColoring{"view/syntaxColoring", false};
inline const Setting<bool> lineNumbers{"view/lineNumbers", false};
// The menu keys: "designed" or "standard".
inline const Setting<QString> keySet{"keys/set", QStringLiteral("designed")};
// Offering the closing tag after "</" is typed; off as designed.
inline const Setting<bool> closingTags{"editor/closingTags", false};
// Opening the completion list by itself as the user types "<", "&", …; off as
// designed (Ctrl+Space opens it always).
inline const Setting<bool> completeWhileTyping{"editor/completeWhileTyping", false};
// The settings page 挿入: how Insert writes the palette's and the wizard's markup.
inline const Setting<bool> wrapSelection{"insert/wrapSelection", false};
inline const Setting<bool> caretIntoValue{"insert/caretIntoValue", false};
inline const Setting<QString> markupStyle{"insert/markupStyle", QStringLiteral("designed")};
// The tag search and markup preview beside the editor, shown from the View menu.
inline const Setting<bool> showPaletteTools{"palette/showTools", false};
// The palette's catalogue: "designed" or "today" (今の HTML).
inline const Setting<QString> catalogue{"palette/catalogue", QStringLiteral("designed")};

} // namespace Settings
