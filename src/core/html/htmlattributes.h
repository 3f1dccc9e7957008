// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// One attribute with a value in a page's markup.
struct HtmlAttribute {
    QStringView element; // the tag's name as written ("A", "img")
    QStringView name;    // as written ("HREF")
    QString value;       // without its quotes; &amp; and &quot; read as & and "
    qsizetype line = 0;   // of the value's first character, from 1
    qsizetype column = 0; // from 1, in UTF-16 units
};

// Calls found for every attribute with a value in the start tags of text
// ("\n" line ends), in order. Comments, declarations, script and style
// contents hold none. A quoted value may run over several lines.
void forEachHtmlAttribute(QStringView text, const std::function<void(const HtmlAttribute &)> &found);
