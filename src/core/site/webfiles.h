// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

// What a file of a site is, by its name's suffix (letter case aside).
enum class WebFileKind { Page, Stylesheet, Script, Image, Other };

WebFileKind webFileKind(QStringView fileName);

// The name patterns of every kind but Other ("*.html", "*.css", …), pages first.
QStringList webFilePatterns();

// "*.html;*.htm; *.css" → {"*.html", "*.htm", "*.css"}: split at ';' (or ','
// and spaces), empty parts dropped.
QStringList splitFilePatterns(QStringView patterns);
