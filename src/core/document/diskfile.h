// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What went wrong with a file, in Japanese, with the system's own words in
// brackets where the system gave some.
struct DiskFailure {
    QString reason;
    // The old file no longer holds its old bytes: a save into the file itself
    // failed and putting them back failed too (the reason names the copy).
    bool oldFileDamaged = false;
};

// The largest document that is opened: beyond it the editor would stall for
// a long time and hold gigabytes.
inline constexpr qint64 largestDocument = qint64(256) << 20;

// Reads the whole file, or says why not (missing, a folder, not an ordinary
// file, too large, unreadable).
bool readWholeFile(const QString &path, QByteArray *bytes, DiskFailure *failure);

// Writes bytes to path so that a failure leaves the old file as it was, and
// the file stays what it was: a symbolic link keeps naming it, and its mode
// (special bits included), owner, group and extended attributes (ACLs) stay.
// Usually the bytes go to a new file beside it that is renamed over it once
// complete. Where that would change what others see (a second hard link, an
// owner or group the program cannot give the new file) the bytes go into the
// file itself, after a synced copy of its old bytes is kept beside it until
// the new ones are synced; a failure writes the old bytes back. A pipe, a
// device or a socket is never written nor replaced.
bool writeFileSafely(const QString &path, QByteArrayView bytes, DiskFailure *failure);

// The system's reason explained in Japanese, the system's words after it.
QString explainSystemReason(const QString &systemReason);
// The same for an errno value.
QString explainSystemError(int code);

// A write beyond the file size limit (ulimit -f) then fails like a full disk
// instead of killing the program with SIGXFSZ. Called once at start-up.
void ignoreFileSizeSignal();
