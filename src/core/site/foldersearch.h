// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfile.h"
#include "core/search/textsearch.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QStringView>

// One match found in a file of the folder.
struct FolderMatch {
    qsizetype line = 0;    // from 1
    qsizetype column = 0;  // from 1, in characters as the editor counts them
    qsizetype length = 0;  // of the match, in characters
    QString lineText;      // the line holding the match's start, cut around it when very long
    qsizetype markStart = 0; // where the match starts in lineText

    friend bool operator==(const FolderMatch &, const FolderMatch &) = default;
};

// What searching one file gave.
struct FileMatches {
    QString path;
    qsizetype count = 0;        // every match, even beyond those listed
    QList<FolderMatch> matches; // the first matchesListedPerFile of them
    size_t contentHash = 0;     // of the bytes searched: whether the file changed since
    QString failure;            // why the file could not be searched; empty when it was
};

// How many matches of one file are kept with their lines.
inline constexpr qsizetype matchesListedPerFile = 1000;

// The files under folder and its sub-folders (hidden ones left out) whose
// names match one of patterns ("*.html"; letter case aside), sorted by path.
QStringList filesToSearch(const QString &folder, const QStringList &patterns);

// The non-empty matches of expression in text ("\n" line ends).
FileMatches searchText(QStringView text, const QRegularExpression &expression);

// The same in the file at path, read in its own encoding as Open reads it.
// A file that is no text (NUL characters) has no matches and no failure.
FileMatches searchFile(const QString &path, const QRegularExpression &expression);

// What Replace all did to one file.
struct FileReplacement {
    enum class Outcome {
        Written,     // replaced and saved
        NoMatches,   // nothing to replace (any more)
        Unencodable, // the new text has characters the file's encoding cannot hold: left as it was
        Failed,      // unreadable or unwritable: left as it was
    };
    Outcome outcome = Outcome::NoMatches;
    qsizetype count = 0;
    bool searchedAgain = false; // the file changed after it was searched
    QString reason;             // Unencodable and Failed: why, in Japanese
};

// The bytes of a file read as read (from bytes) with replacements (in
// read.text) made: lines without a replacement keep their bytes exactly
// (their line ends, and codes an encoding has twice for one character),
// the others are encoded anew in the file's encoding. Nothing when a new
// character does not fit the encoding; unencodable then says which.
std::optional<QByteArray> replacedBytes(QByteArrayView bytes, const ReadText &read,
                                        const QList<TextReplacement> &replacements, WrittenText *unencodable);

// Replaces every match in the file at path and writes it back through the
// safe writer, in its encoding, byte order mark and line ends. The file is
// read again first: one that changed since it was searched (searchedHash is
// FileMatches::contentHash) is searched again, and searchedAgain says so.
FileReplacement replaceInFile(const QString &path, size_t searchedHash, const QRegularExpression &expression,
                              const QString &replacement, bool regularExpression);
