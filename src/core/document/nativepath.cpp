// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/nativepath.h"

#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t escapeBase = 0xDC00;

bool isEscapedByte(char16_t unit)
{
    return unit >= escapeBase + 0x80 && unit <= escapeBase + 0xFF;
}

// The length of the valid UTF-8 sequence at bytes[at], or 0.
qsizetype utf8Length(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

bool exists(const QByteArray &native)
{
    struct stat info;
    return lstat(native.constData(), &info) == 0;
}

QStringList entries(const QByteArray &folder)
{
    QStringList names;
    DIR *dir = opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = readdir(dir))
        names << pathFromNative(entry->d_name);
    closedir(dir);
    return names;
}

} // namespace

QByteArray nativePath(const QString &path)
{
    if (!hasEscapedBytes(path))
        return path.toUtf8();
    QByteArray bytes;
    bytes.reserve(path.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        if (!isEscapedByte(unit))
            continue;
        bytes += QStringView(path).sliced(start, i - start).toUtf8();
        bytes += char(unit - escapeBase);
        start = i + 1;
    }
    bytes += QStringView(path).sliced(start).toUtf8();
    return bytes;
}

QString pathFromNative(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = utf8Length(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        path += QString::fromUtf8(bytes.sliced(start, at - start));
        path += QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[at])));
        start = ++at;
    }
    path += QString::fromUtf8(bytes.sliced(start));
    return path;
}

bool hasEscapedBytes(const QString &path)
{
    for (const QChar c : path) {
        if (isEscapedByte(c.unicode()))
            return true;
    }
    return false;
}

QString displayedPath(const QString &path)
{
    if (!hasEscapedBytes(path))
        return path;
    // As Qt decodes the bytes: a run of foreign bytes may be one U+FFFD or
    // several; one per byte keeps the name's length readable.
    QString shown = path;
    for (QChar &c : shown) {
        if (isEscapedByte(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

QString recoverNativePath(const QString &path)
{
    if (!path.contains(QChar::ReplacementCharacter) || exists(nativePath(path)))
        return path;
    // Folder by folder: each name holding U+FFFD is looked for among the
    // names in its folder as Qt would have shown them.
    const QStringList parts = path.split(u'/');
    QString found;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString next = part;
        if (part.contains(QChar::ReplacementCharacter)) {
            QStringList matches;
            for (const QString &name : entries(nativePath(found))) {
                if (QString::fromUtf8(nativePath(name)) == part)
                    matches << name;
            }
            if (matches.size() != 1)
                return path;
            next = matches.first();
        }
        found += (i == 0 ? QString() : u"/"_s) + next;
    }
    return exists(nativePath(found)) ? found : path;
}
