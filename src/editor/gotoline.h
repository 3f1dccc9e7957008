// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SourceEditor;

// Asks for a line number (gotoLineDialog) and puts the caret at the start of
// that line. Lines count from 1, as the status bar and the gutter show them.
void goToLine(SourceEditor *editor);

// Puts the caret at the start of line `line` (from 1, clamped to the page).
void moveToLine(SourceEditor *editor, int line);
