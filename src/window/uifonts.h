// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

// The program's windows are designed in "ＭＳ Ｐゴシック", which Linux does not
// have. Substitutes let Qt draw the closest Japanese face while every widget
// keeps the requested family name.
void installJapaneseFontSubstitutes();

// The design font of the program's windows at the given size.
QFont designFont(double pointSize, bool bold = false);
