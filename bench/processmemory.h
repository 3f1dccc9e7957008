// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>

// A size field of /proc/self/status ("VmHWM:", "VmRSS:") in KiB, -1 when unknown.
inline long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The process's peak memory so far.
inline long peakMemoryKiB()
{
    return statusKiB("VmHWM:");
}
