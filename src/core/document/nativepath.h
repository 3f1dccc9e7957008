// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names on Linux are bytes, usually UTF-8. An old file may carry a name
// in Shift_JIS or EUC-JP, which Qt's own conversion turns into U+FFFD and so
// can neither open nor save under. The program carries such a name as text
// whose every byte that is not valid UTF-8 stands as the lone surrogate
// U+DC80…U+DCFF, and turns it back into the same bytes: the name survives
// Open and Save unchanged. Qt's file classes do not know these characters;
// file access with such a name goes through nativePath().

// The bytes of the name path stands for.
QByteArray nativePath(const QString &path);
// The name of those bytes, valid UTF-8 as it is, any other byte escaped.
QString pathFromNative(QByteArrayView bytes);

// Whether path carries bytes that are not UTF-8.
bool hasEscapedBytes(const QString &path);
// How such a name is shown: each foreign byte as U+FFFD, as Qt would show it.
QString displayedPath(const QString &path);

// Finds the file Qt's own dialog or argument list meant: path as Qt decoded
// it, where each foreign byte became U+FFFD, matched against the names in
// its folders. Returns path itself when it exists or nothing matches.
QString recoverNativePath(const QString &path);
