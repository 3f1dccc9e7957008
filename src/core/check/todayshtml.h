// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// What the page check knows of today's HTML beyond its parser's release,
// measured against the program's table of HTML's elements and attributes
// (core/web/htmlelements.h), the same one the palette and completion read.

// The elements of the living standard the parser does not know, to be
// declared to it before it reads a page (so that <data> and <search> are
// neither "not recognized" nor have their content thrown away): blank-
// separated names, phrasing elements apart from the ones holding flow content.
struct UndeclaredElements {
    QByteArray inlineNames;
    QByteArray blockNames;
};
const UndeclaredElements &undeclaredElements();

// A parser message about markup the living standard has (loading on <img>,
// popover on any element, an empty <meter>): not a problem, not reported.
bool isTodaysMarkup(QStringView key, const QStringList &arguments);

// For a message about an obsolete element or attribute: what it is and what
// to write instead, in Japanese ("<center> 要素は HTML から削除されました。CSS
// の text-align …"); empty for any other message.
QString obsoleteMarkupMessage(QStringView key, const QStringList &arguments);

// The parser's English words inside a message's arguments ("plain text"),
// in Japanese.
QString japaneseArgument(const QString &argument);
