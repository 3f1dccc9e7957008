// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class CommonDialog;
class SourceEditor;

// A colour already in the page, changed: the colour dialog opens on it, and
// the chosen colour replaces the value in the value's own notation, as one
// undo step, the caret after it. `text` is the value as the page has it at
// position. The dialog's colour for the colour command is what it was
// before when the user cancels. Returns the new value, or nothing on cancel.
std::optional<QString> changeColourValue(CommonDialog &dialog, SourceEditor *editor, int position,
                                         const QString &text);
