// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A link of a site's page that will not work once the site is on a web server.
struct SiteLinkProblem {
    enum class Kind {
        MissingFile,   // a link or image naming a file that is not there
        MissingAnchor, // "page.html#part" where the page has no id or name "part"
        LetterCase,    // the file is there under other capitals: fine on Windows, broken on Linux servers
        Unreadable,    // the page itself could not be read
    };

    QString page;          // relative to the site's folder, '/' between folders
    qsizetype line = 0;    // from 1
    qsizetype column = 0;  // from 1, of the attribute's value
    Kind kind = Kind::MissingFile;
    QString reference;     // the value as written
    QString onDisk;        // LetterCase: the name the file really has, relative to the page

    friend bool operator==(const SiteLinkProblem &, const SiteLinkProblem &) = default;
};

// "ファイルなし", "アンカーなし", "大文字小文字", "読めない"
QString siteLinkKindName(SiteLinkProblem::Kind kind);
// What is wrong, in Japanese.
QString siteLinkMessage(const SiteLinkProblem &problem);

// Checks the src and href of every page under folder (its sub-folders too),
// each page read in its own encoding: files named relative to the page (or
// by a file: address) that are missing or spelled in other capitals, and
// fragments that the page they point into does not define. "#" and "#top"
// always work. Sorted by page, then place.
QList<SiteLinkProblem> checkSiteLinks(const QString &folder);
