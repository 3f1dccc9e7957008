// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The editor's document keeps its paragraphs apart with U+2029 and marks
// frames with U+FDD0 and U+FDD1, so a file's own U+2029, U+FDD0 or U+FDD1
// would become line ends there. While a page is in the editor each of them
// stands as a noncharacter the editor holds as plain text (U+FDD2, U+FDD3,
// U+FDD4), and saving writes the original character back.

// How many characters of text need a stand-in.
qsizetype countEditorBreakers(QStringView text);

// Whether text can carry the stand-ins: not when it holds them itself, as
// the way back would then be ambiguous.
bool canUsePlaceholders(QStringView text);

// Puts the stand-ins into text, in place.
void putPlaceholders(QString &text);
// Puts the original characters back, in place.
void takePlaceholders(QString &text);
