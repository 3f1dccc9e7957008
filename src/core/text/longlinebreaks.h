// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

// The editor lays a line out whole after every edit, so a line of hundreds of
// thousands of characters (minified or generated markup) would make each
// keystroke take a visible pause. Such a line is shown as pieces of a few
// thousand characters, each cut at a space or tab that stands for it on screen
// (see PageLines); the text itself never changes.

// Lines longer than this are shown in pieces.
constexpr qsizetype longLineFrom = 16 * 1024;
// A piece holds at most this many characters, when the line has a space or
// tab to cut at; cuts prefer the last one before this length.
constexpr qsizetype longLinePieceMost = 8 * 1024;

// Where to cut the long lines of text ("\n" line ends): the positions of the
// spaces and tabs that end a piece, in increasing order. A space that a
// combining mark follows is never cut at: the two are one character on screen.
QList<qsizetype> longLineBreaks(QStringView text);
