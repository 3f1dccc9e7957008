// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// How the palette and the table wizard write their markup. Designed is the
// program's own upper-case, single-quoted markup, exactly as it has always
// been written.
enum class MarkupStyle { Designed, Html5 };

// The markup in today's style: element and attribute names in lower case and
// every attribute value in double quotes (a '"' in a value written as &quot;),
// values and text otherwise untouched, comments and script text left alone.
// A page skeleton (an <HTML> start tag) gains "<!DOCTYPE html>" on a line of
// its own, lang="ja" on <html>, and right after <head> a <meta charset> that
// names `charset` (none when charset is empty).
QString html5Markup(QStringView designed, QStringView charset);

// The designed markup in `style`.
QString styledMarkup(MarkupStyle style, QStringView designed, QStringView charset);
