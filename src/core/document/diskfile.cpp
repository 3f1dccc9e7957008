// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include "core/document/interruptedsave.h"
#include "core/document/nativepath.h"
#include "core/document/posixfile.h"


#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void fail(DiskFailure *failure, const QString &reason)
{
    if (failure)
        failure->reason = reason;
}

} // namespace

QString explainSystemError(int code)
{
    return explainSystemReason(qt_error_string(code));
}

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
        {EEXIST, u"同じ名前のものがすでにあります"},
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

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

namespace {

bool failWith(DiskFailure *failure, const QString &reason)
{
    fail(failure, reason);
    return false;
}

bool failWithErrno(DiskFailure *failure, int code)
{
    return failWith(failure, explainSystemError(code));
}

// The file a path names: symbolic links followed, so that a link keeps
// naming the file and only the file is written. A dangling link names the
// file it would point to.
QByteArray resolvedTarget(const QByteArray &path)
{
    QByteArray current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (::lstat(current.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        if (char *real = ::realpath(current.constData(), nullptr)) {
            current = real;
            std::free(real);
            break;
        }
        QByteArray target(qsizetype(PATH_MAX), Qt::Uninitialized);
        const ssize_t length = ::readlink(current.constData(), target.data(), size_t(target.size()));
        if (length <= 0)
            break;
        target.truncate(length);
        if (!target.startsWith('/'))
            target.prepend(current.left(current.lastIndexOf('/') + 1));
        current = target;
    }
    return current;
}

QString tooLargeReason()
{
    return u"ファイルが大きすぎます（開けるのは %1 MB まで）"_s.arg(largestDocument >> 20);
}

// A folder fsync that fails leaves the rename possibly undone after a power
// loss; file systems that cannot sync a folder say EINVAL.
bool folderSynced(const QByteArray &path, int *error)
{
    if (syncFolderOf(path) || errno == EINVAL)
        return true;
    *error = errno;
    return false;
}

// Copies every extended attribute (ACLs are some) of from onto to; false
// when one could not be set.
bool copyAttributes(int from, int to)
{
    ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP;
    QByteArray names(size, Qt::Uninitialized);
    size = ::flistxattr(from, names.data(), size_t(names.size()));
    if (size < 0)
        return false;
    names.truncate(size);
    for (const QByteArray &name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        ssize_t length = ::fgetxattr(from, name.constData(), nullptr, 0);
        if (length < 0)
            return false;
        QByteArray value(length, Qt::Uninitialized);
        length = ::fgetxattr(from, name.constData(), value.data(), size_t(value.size()));
        if (length < 0)
            return false;
        if (::fsetxattr(to, name.constData(), value.constData(), size_t(length), 0) != 0)
            return false;
    }
    return true;
}

bool ownerCanBeKept(const struct stat &old)
{
    if (::geteuid() == 0)
        return true;
    if (old.st_uid != ::geteuid())
        return false;
    if (old.st_gid == ::getegid())
        return true;
    gid_t groups[NGROUPS_MAX];
    const int count = ::getgroups(NGROUPS_MAX, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] == old.st_gid)
            return true;
    }
    return false;
}

bool sameIdentity(int fd, const struct stat &old)
{
    struct stat now;
    return ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid
        && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// The whole of bytes into a new file beside target, synced, then renamed
// over it. NeedsInPlace where the new file could not become what the old
// one is, or where the folder may not be written.
enum class Replaced { Done, Failed, NeedsInPlace };

Replaced replaceByRename(const QByteArray &target, const struct stat *old, QByteArrayView bytes, DiskFailure *failure)
{
    QByteArray id;
    QByteArray name;
    int error = 0;
    // The new file is private until it holds the old file's mode.
    Descriptor fd(createTemporary(folderOf(target), TemporaryKind::NewBytes, old ? 0600 : 0666, &id, &name, &error));
    if (!fd.valid()) {
        if (old && (error == EACCES || error == EPERM))
            return Replaced::NeedsInPlace;
        failWithErrno(failure, error);
        return Replaced::Failed;
    }
    const auto abandon = [&](int code) {
        fd.reset();
        ::unlink(name.constData());
        failWithErrno(failure, code);
        return Replaced::Failed;
    };
    if (!writeAll(fd.get(), bytes, 0, &error))
        return abandon(error);
    if (old) {
        const Descriptor oldFd(::open(target.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        // Owner first: changing it clears the set-user and set-group bits.
        const bool kept = oldFd.valid() && ::fchown(fd.get(), old->st_uid, old->st_gid) == 0
            && copyAttributes(oldFd.get(), fd.get()) && ::fchmod(fd.get(), old->st_mode & 07777) == 0
            && sameIdentity(fd.get(), *old);
        if (!kept) {
            fd.reset();
            ::unlink(name.constData());
            return Replaced::NeedsInPlace;
        }
    }
    if (::fsync(fd.get()) != 0)
        return abandon(errno);
    reachSaveStep(SaveStep::NewFileWritten);
    if (::rename(name.constData(), target.constData()) != 0)
        return abandon(errno);
    fd.reset();
    if (!folderSynced(target, &error)) {
        if (failure)
            failure->oldFileDamaged = true;
        failWith(failure, u"ファイルは書き換えましたが、フォルダーへの記録を確定できませんでした（電源が切れると失われることがあります）："_s
                              + explainSystemError(error));
        return Replaced::Failed;
    }
    return Replaced::Done;
}

// Writes bytes into the file itself: its inode, links, owner and attributes
// stay. A synced copy of the old bytes and a journal stand beside it until
// the new ones are synced (see interruptedsave.h); a failure writes the old
// bytes back.
bool writeInPlace(const QByteArray &target, const struct stat &old, QByteArrayView bytes, DiskFailure *failure)
{
    int error = 0;
    const Descriptor file(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!file.valid())
        return failWithErrno(failure, errno);
    struct stat opened;
    if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return failWith(failure, u"通常のファイルではありません"_s);
    // An earlier write into this file that did not finish is put right
    // first: its journal must not outlive this one.
    tidyFolder(pathFromNative(folderOf(target)));

    InPlaceJournal journal;
    QString reason;
    if (!journal.begin(target, file.get(), bytes, &reason))
        return failWith(failure, reason);

    // In pieces, so that a test can stop the program between them.
    const qsizetype piece = std::max<qsizetype>(1, std::min<qsizetype>(qsizetype(4) << 20, (bytes.size() + 1) / 2));
    bool written = true;
    for (qsizetype at = 0; written && at < bytes.size(); at += piece) {
        written = writeAll(file.get(), bytes.sliced(at, std::min(piece, bytes.size() - at)), at, &error);
        if (written && at + piece < bytes.size())
            reachSaveStep(SaveStep::Writing);
    }
    if (written && ::ftruncate(file.get(), off_t(bytes.size())) == 0) {
        reachSaveStep(SaveStep::WrittenUnsynced);
        written = ::fsync(file.get()) == 0;
    } else {
        written = false;
    }
    if (written) {
        // Writing clears the set-user and set-group bits for anyone but root.
        if (!sameIdentity(file.get(), old))
            ::fchmod(file.get(), old.st_mode & 07777);
        journal.finish();
        return true;
    }
    if (!error)
        error = errno;
    const QString why = explainSystemError(error);
    int restoreError = 0;
    if (journal.putBack(file.get(), &restoreError)) {
        if (!sameIdentity(file.get(), old))
            ::fchmod(file.get(), old.st_mode & 07777);
        journal.finish();
        return failWith(failure, why + u"\n元のファイルには元の内容を書き戻しました。"_s);
    }
    // The journal stays: the next start or open tries again.
    if (failure)
        failure->oldFileDamaged = true;
    return failWith(failure, why + u"\n元の内容を書き戻せませんでした。元の内容は「"_s
                                 + pathFromNative(journal.copyPath()) + u"」に残っています。"_s);
}

} // namespace

bool readWholeFile(const QString &path, QByteArray *bytes, DiskFailure *failure)
{
    const QByteArray native = nativePath(path);
    struct stat info;
    if (::stat(native.constData(), &info) != 0) {
        if (errno == ENOENT)
            return failWith(failure, u"ファイルが見つかりません"_s);
        return failWithErrno(failure, errno);
    }
    if (S_ISDIR(info.st_mode))
        return failWith(failure, u"フォルダーは開けません"_s);
    // A pipe or a device would block or never end.
    if (!S_ISREG(info.st_mode))
        return failWith(failure, u"通常のファイルではありません"_s);
    if (info.st_size > largestDocument)
        return failWith(failure, tooLargeReason());
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return failWithErrno(failure, errno);
    // What was opened, not what the name was a moment ago.
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return failWith(failure, u"通常のファイルではありません"_s);
    int error = 0;
    bool tooLarge = false;
    QByteArray read;
    if (!readUpTo(fd.get(), largestDocument, &read, &tooLarge, &error))
        return failWithErrno(failure, error);
    if (tooLarge)
        return failWith(failure, tooLargeReason());
    *bytes = std::move(read);
    return true;
}

bool writeFileSafely(const QString &path, QByteArrayView bytes, DiskFailure *failure)
{
    const QByteArray target = resolvedTarget(nativePath(path));
    struct stat old;
    if (::stat(target.constData(), &old) != 0) {
        if (errno != ENOENT)
            return failWithErrno(failure, errno);
        return replaceByRename(target, nullptr, bytes, failure) == Replaced::Done;
    }
    if (S_ISDIR(old.st_mode))
        return failWith(failure, u"その名前はフォルダーです"_s);
    if (!S_ISREG(old.st_mode)) {
        return failWith(failure, u"通常のファイルではありません（パイプ、デバイス、ソケットなど）。"
                                 u"置き換えると元のものが失われるので、保存しません"_s);
    }
    if (::access(target.constData(), W_OK) != 0) {
        if (errno == EACCES)
            return failWith(failure, u"このファイルへの書き込みは許可されていません（読み取り専用のファイルです）"_s);
        return failWithErrno(failure, errno);
    }
    if (old.st_nlink == 1 && ownerCanBeKept(old)) {
        switch (replaceByRename(target, &old, bytes, failure)) {
        case Replaced::Done:
            return true;
        case Replaced::Failed:
            return false;
        case Replaced::NeedsInPlace:
            break;
        }
    }
    return writeInPlace(target, old, bytes, failure);
}
