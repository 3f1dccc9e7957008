// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PageFiller;
class SourceEditor;

// Replaces the editor's whole text, with no undo history and unmodified, and
// puts the caret at the top. The editor keeps its document object: whatever
// watches it (a highlighter, a preview) goes on working with the new text.
// A page of many megabytes goes in a piece at a time between events, read-only
// until complete: the filler doing it comes back (nullptr when all is in).
// Give the text with std::move: kept elsewhere, the page would be held twice.
PageFiller *setEditorText(SourceEditor *editor, QString text);

// Whether setEditorText() is putting a page into the editor at this moment.
bool settingEditorText(const SourceEditor *editor);

// The page still going into the editor, or nullptr.
PageFiller *pageFiller(const SourceEditor *editor);
