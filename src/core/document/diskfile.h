// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What went wrong with a file, in Japanese, with the system's own words in
// brackets where the system gave some.
struct DiskFailure {
    QString reason;
};

// The largest document that is opened: beyond it the editor would stall for
// a long time and hold gigabytes.
inline constexpr qint64 largestDocument = qint64(256) << 20;

// Reads the whole file, or says why not (missing, a folder, not an ordinary
// file, too large, unreadable).
bool readWholeFile(const QString &path, QByteArray *bytes, DiskFailure *failure);

// Writes bytes to a temporary file beside path and renames it over path only
// once every byte is written, so that a failure leaves the old file as it was.
bool writeFileSafely(const QString &path, QByteArrayView bytes, DiskFailure *failure);

// The system's reason explained in Japanese, the system's words after it.
QString explainSystemReason(const QString &systemReason);
