// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class CommonDialog;

// The colour code command: shows the colour dialog on the colour chosen last
// and leaves the chosen colour's six-digit code on the clipboard, replacing
// all it held. A cancelled dialog leaves the clipboard as it was. Returns
// whether a code was copied.
bool GetColorCode(CommonDialog &dialog);

// The same dialog; the chosen colour's six-digit code, or nothing when the
// dialog was cancelled. The clipboard is left alone.
std::optional<QString> chooseColorCode(CommonDialog &dialog);

// GetColorCode that also says which code it copied.
std::optional<QString> copyColorCode(CommonDialog &dialog);
