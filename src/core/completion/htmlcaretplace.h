// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Where the caret stands in HTML markup, as far as completion cares: what
// kind of name or value is being typed there, and where it started.
struct HtmlCaretPlace {
    enum Kind {
        Nothing,            // plain text, a comment, a script, a declaration
        ElementName,        // "<di|"
        EndTagName,         // "</di|"
        AttributeName,      // "<a hr|", "<a |"
        AttributeValue,     // "<a href=\"pa|", "<a href=pa|"
        CharacterReference, // "&am|"
    };
    Kind kind = Nothing;
    qsizetype from = 0; // where the name or value being typed starts
    qsizetype to = 0;   // where the word the caret is in ends (>= caret)
    // Where the tag holding the caret starts ("<"), for everything in a tag.
    qsizetype tagStart = -1;
    QString element;           // the tag's element, lower case (tags, attributes, values)
    QString attribute;         // the attribute whose value it is, lower case
    QChar quote;               // the value's quote, null when unquoted
    qsizetype closingQuote = -1; // where the value's closing quote stands, -1 when not yet typed
    QStringList written;       // the tag's attributes, lower case, besides the one being typed
};

// Reads the markup of text up to the caret (and the tag's rest after it).
HtmlCaretPlace htmlCaretPlace(QStringView text, qsizetype caret);
