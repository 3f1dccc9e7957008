// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/disksnapshot.h"

#include "core/document/nativepath.h"

#include <QHashFunctions>

#include <sys/stat.h>

size_t contentHash(QByteArrayView bytes)
{
    return qHash(bytes, size_t(0x7a67));
}

DiskSnapshot statSnapshot(const QString &path)
{
    DiskSnapshot snapshot;
    struct stat info {};
    if (path.isEmpty() || ::stat(nativePath(path).constData(), &info) != 0)
        return snapshot;
    snapshot.exists = true;
    snapshot.device = quint64(info.st_dev);
    snapshot.inode = quint64(info.st_ino);
    snapshot.size = qint64(info.st_size);
    snapshot.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return snapshot;
}
