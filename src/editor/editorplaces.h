// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/search/textsearch.h"

#include <QList>
#include <QStringView>

class SourceEditor;

// Puts the caret on line and column (both from 1, clamped to the page),
// brings it into view and gives the editor the focus. A page still going in
// is completed first.
void moveCaretToLine(SourceEditor *editor, qsizetype line, qsizetype column);

// Makes replacements (found in text, the editor's whole text) in the editor
// as one undo step: each line's matches where they stand, from the last to
// the first, so the line breaks between them and their paragraphs stay.
void replaceInEditor(SourceEditor *editor, QStringView text, const QList<TextReplacement> &replacements);
