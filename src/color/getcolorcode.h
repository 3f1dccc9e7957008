// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CommonDialog;

// The colour code command: shows the colour dialog on the colour chosen last
// and leaves the chosen colour's six-digit code on the clipboard, replacing
// all it held. A cancelled dialog leaves the clipboard as it was. Returns
// whether a code was copied.
bool GetColorCode(CommonDialog &dialog);
