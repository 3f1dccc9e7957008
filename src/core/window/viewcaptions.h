// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The font the font dialog opens on at start-up (an ideographic blank between
// ＭＳ and Ｐ) and its size in points.
inline constexpr QStringView startFontName = u"ＭＳ　Ｐゴシック";
inline constexpr double startFontSize = 10;

// Captions of the two font items of the view menu once the font dialog has
// been used. The name caption has a half-width colon, the size caption a
// full-width one, as the items have always read.
QString fontNameCaption(QStringView fontName);
QString fontSizeCaption(int fontSize);
