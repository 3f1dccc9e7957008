// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/markupstyle.h"
#include "core/site/webfiles.h"

#include <QSize>
#include <QString>
#include <QStringView>

// A file of the site dragged into a page: what the markup for it needs.
struct LinkTarget {
    QString path;            // absolute
    WebFileKind kind = WebFileKind::Other;
    QString title;           // a page's <title> as written there; empty when it has none
    QSize size;              // an image's size in pixels; invalid when unknown
};

// What the file at path is, read from it: a page's title (in its own
// encoding), an image's pixel size.
LinkTarget describeLinkTarget(const QString &path);

// The text of the first <title> of a page as written (character references
// kept), blanks run together; empty when there is none.
QString pageTitle(QStringView text);

// How target is named from a page in pageFolder: a relative address with '/'
// between folders, blanks, quotes, '%', '#', '?', '<' and '>' percent-encoded;
// a file: address when the page has no folder yet (never saved).
QString relativeAddress(const QString &pageFolder, const QString &target);

// The markup that links target into a page in pageFolder: a page as
// <a href="…">title</a> (the file's name when it has no title), an image as
// <img src="…" alt="" width="W" height="H">, a stylesheet as <link
// rel="stylesheet" href="…">, a script as <script src="…" defer></script>;
// any other file as a link named after it. In the designed style (upper-case
// elements, single quotes) or today's, as the palette writes.
QString linkMarkup(const LinkTarget &target, const QString &pageFolder, MarkupStyle style);
