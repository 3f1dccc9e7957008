// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The caret's column as the user counts it, from 1: one for each character
// seen on screen before the caret, so a character outside the BMP (two UTF-16
// units) or a letter with a combining mark counts once.
qsizetype caretColumn(QStringView lineBeforeCaret);
