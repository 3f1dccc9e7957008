// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

void fail(DiskFailure *failure, const QString &reason)
{
    if (failure)
        failure->reason = reason;
}

} // namespace

QString explainSystemReason(const QString &systemReason)
{
    struct Known {
        int code;
        QStringView japanese;
    };
    static const Known known[] = {
        {ENOENT, u"ファイルまたはフォルダーが見つかりません"},
        {ENOTDIR, u"パスの途中にフォルダーでないものがあります"},
        {EISDIR, u"その名前はフォルダーです"},
        {EACCES, u"アクセスが許可されていません"},
        {EPERM, u"その操作は許可されていません"},
        {EROFS, u"読み取り専用の場所です"},
        {ENOSPC, u"ディスクの空き容量が足りません"},
        {EDQUOT, u"ディスクの使用量の上限を超えました"},
        {EFBIG, u"ファイルの大きさの上限を超えました"},
        {ENAMETOOLONG, u"ファイル名が長すぎます"},
        {EIO, u"読み書きの途中でエラーが起きました"},
        {EBUSY, u"ファイルが使用中です"},
        {ETXTBSY, u"ファイルが使用中です"},
        {EMFILE, u"開いているファイルが多すぎます"},
        {ELOOP, u"シンボリックリンクが多すぎます"},
    };
    QString japanese;
    if (systemReason == u"Filename refers to a directory")
        japanese = u"その名前はフォルダーです"_s;
    for (const Known &entry : known) {
        if (japanese.isEmpty() && systemReason == qt_error_string(entry.code))
            japanese = entry.japanese.toString();
    }
    if (japanese.isEmpty())
        return systemReason;
    return japanese + u"（" + systemReason + u"）";
}

bool readWholeFile(const QString &path, QByteArray *bytes, DiskFailure *failure)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(failure, u"ファイルが見つかりません"_s);
        return false;
    }
    if (info.isDir()) {
        fail(failure, u"フォルダーは開けません"_s);
        return false;
    }
    // A pipe or a device would block or never end.
    if (!info.isFile()) {
        fail(failure, u"通常のファイルではありません"_s);
        return false;
    }
    if (info.size() > largestDocument) {
        fail(failure, u"ファイルが大きすぎます（開けるのは %1 MB まで）"_s.arg(largestDocument >> 20));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(failure, explainSystemReason(file.errorString()));
        return false;
    }
    // Read into one buffer of the file's size: growing it as readAll() does
    // leaves holes the size of the page in the program's memory.
    QByteArray read(file.size(), Qt::Uninitialized);
    qint64 got = 0;
    while (got < read.size()) {
        const qint64 n = file.read(read.data() + got, read.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    // A file that grew while it was read comes in whole all the same.
    if (got == read.size() && !file.atEnd())
        read += file.readAll();
    else
        read.truncate(got);
    if (file.error() != QFileDevice::NoError) {
        fail(failure, explainSystemReason(file.errorString()));
        return false;
    }
    *bytes = std::move(read);
    return true;
}

bool writeFileSafely(const QString &path, QByteArrayView bytes, DiskFailure *failure)
{
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system and a short write
    // shows at once: a buffered QSaveFile renames a truncated file into place
    // when the last flush fails (file size limit, full disk).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(failure, explainSystemReason(file.errorString()));
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.data() + written, bytes.size() - written);
        if (now <= 0) {
            fail(failure, explainSystemReason(file.errorString()));
            file.cancelWriting();
            file.commit();
            return false;
        }
        written += now;
    }
    if (!file.commit()) {
        fail(failure, explainSystemReason(file.errorString()));
        return false;
    }
    return true;
}
