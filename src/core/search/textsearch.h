// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringView>

#include <optional>

// What the find bar asks for.
struct SearchOptions {
    QString pattern;
    bool regularExpression = false;
    bool matchCase = false;
    bool wholeWord = false;
};

// A search ready to run, or why it cannot: a regular expression that does not
// compile says so rather than matching nothing.
struct SearchPattern {
    QRegularExpression expression;
    QString error; // empty when the pattern is usable

    bool ok() const { return error.isEmpty(); }
};

SearchPattern compileSearch(const SearchOptions &options);

struct TextMatch {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextMatch &, const TextMatch &) = default;
};

// The first match starting at or after `from` (forward), or the last one
// ending at or before `from` (backward); with wrap, the search goes on from
// the other end of the text. Empty matches are skipped.
std::optional<TextMatch> findMatch(QStringView text, const QRegularExpression &expression, qsizetype from,
                                   bool backward, bool wrap);

qsizetype countMatches(QStringView text, const QRegularExpression &expression);

// The replacement for one match: in regular expression searches \0 to \9 are
// the captured groups and \\ is a backslash; plain searches take it as written.
QString expandReplacement(const QRegularExpressionMatch &match, const QString &replacement, bool regularExpression);

struct TextReplacement {
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
};

// Every match and what replaces it, in order, found in one pass.
QList<TextReplacement> replacementsFor(QStringView text, const QRegularExpression &expression,
                                       const QString &replacement, bool regularExpression);

// The same replacements joined line by line: matches on one line, with the
// text between them, become one replacement. Fewer, larger edits; none of them
// removes or adds a line break that the matches themselves do not.
QList<TextReplacement> joinedByLine(QStringView text, const QList<TextReplacement> &replacements);

// The text with the replacements made.
QString replaced(QStringView text, const QList<TextReplacement> &replacements);
