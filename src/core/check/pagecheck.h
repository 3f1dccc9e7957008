// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One problem found in a page.
struct PageProblem {
    enum class Kind { Error, Warning, MissingFile };

    qsizetype line = 0;   // from 1
    qsizetype column = 0; // from 1, in characters as the editor counts them
    Kind kind = Kind::Warning;
    QString code;         // the checker's key ("MISSING_ENDTAG_FOR"), or missingFileCode
    QString message;      // in Japanese where the message table knows the code

    friend bool operator==(const PageProblem &, const PageProblem &) = default;
};

// The code of a src or href naming a file that is not beside the page.
inline constexpr QStringView missingFileCode = u"MISSING_LOCAL_FILE";

// "エラー", "警告", "ファイルなし"
QString problemKindName(PageProblem::Kind kind);

// Checks the markup of text (the editor's text, "\n" line ends) with HTML
// Tidy, and the files its src and href attributes name, resolved from folder;
// an empty folder (a page never saved) skips the files. Errors and warnings
// only, in the order of their place in the text. The text is only read.
QList<PageProblem> checkPage(QStringView text, const QString &folder);

// The editor's column (from 1, UTF-16 units) of the checker's column on a
// line: the checker counts a tab up to the next multiple of 8 and a
// character outside the BMP as one.
qsizetype editorColumn(QStringView line, qsizetype checkerColumn);
