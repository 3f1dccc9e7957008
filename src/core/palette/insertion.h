// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/markupstyle.h"

#include <QString>
#include <QStringView>

// The choices of the settings page 挿入. Untouched, Insert works as designed:
// the markup replaces the selection and the caret lands after it.
struct InsertOptions {
    bool wrapSelection = false;  // the selected text goes between the start and end tag
    bool caretIntoValue = false; // the caret goes into the first empty value, else between the tags
    MarkupStyle style = MarkupStyle::Designed;

    friend bool operator==(const InsertOptions &, const InsertOptions &) = default;
};

// What one Insert puts in place of the selection, and where the caret goes,
// counted in editor characters from the start of `text` (a CR LF is one).
struct Insertion {
    QString text;
    qsizetype caret = 0;

    friend bool operator==(const Insertion &, const Insertion &) = default;
};

// Where the selected text goes in markup: right after the start tag of the
// first element written with nothing between its start and end tag
// ("<A href=''></A>" → after "<A href=''>"); -1 when there is none.
qsizetype contentPosition(QStringView markup);

// The insertion for markup (already in its style) over the selected text
// (line ends as "\n"). With wrapping, a tag with an end tag takes the
// selected text as its content and a tag without one is written in front of
// it, so the selected text is never lost.
Insertion shapeInsertion(QStringView markup, QStringView selected, const InsertOptions &options);

// The options as the settings file holds them (defined in insertoptions.cpp).
InsertOptions storedInsertOptions();
void storeInsertOptions(const InsertOptions &options);
