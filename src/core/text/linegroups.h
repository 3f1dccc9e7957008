// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The editor's document costs about the same for every block it holds,
// however short: a page of hundreds of thousands of lines takes seconds to go
// in, one line to a block. On a large page, short lines that follow each
// other share a block, their line ends inside it being U+2028, which the
// editor shows as a line end and the text read back turns into "\n" again.

// A group holds at most this many lines and characters; longer lines have a
// block of their own.
constexpr int linesPerGroup = 8;
constexpr qsizetype groupMost = 2048;

// Replaces the line ends ("\n") of text, a run of whole lines, that fall
// inside a group with U+2028. The last line end always ends a group, and so
// does the one after the first line when that line must start no group
// (it continues a line cut before text begins).
void groupShortLines(QString &text, bool firstLineGroups = true);
