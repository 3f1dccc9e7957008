// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// What a file on disk was when the document last read or wrote it: enough to
// tell cheaply whether another program has changed, replaced or deleted it
// since. The hash tells a file that was only touched, or rewritten with the
// same bytes, from one whose text really changed.
struct DiskSnapshot {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;  // modification time, nanoseconds since the epoch
    size_t hash = 0;        // of the bytes, see contentHash()

    // Same file, same size, same modification time: nothing to read.
    bool sameStat(const DiskSnapshot &other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode && size == other.size
            && modifiedNs == other.modifiedNs;
    }
    friend bool operator==(const DiskSnapshot &, const DiskSnapshot &) = default;
};

// A cheap hash of a file's bytes.
size_t contentHash(QByteArrayView bytes);

// The file as it stands (following a symbolic link), hash left at 0; exists
// is false when there is no file to stat.
DiskSnapshot statSnapshot(const QString &path);
