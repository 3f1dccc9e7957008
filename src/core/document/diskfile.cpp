// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include "core/document/nativepath.h"

#include <QList>
#include <QRandomGenerator>

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

// A descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

bool failWith(DiskFailure *failure, const QString &reason)
{
    fail(failure, reason);
    return false;
}

bool failWithErrno(DiskFailure *failure, int code)
{
    return failWith(failure, explainSystemError(code));
}

bool writeAll(int fd, QByteArrayView bytes, qint64 offset, int *error)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::pwrite(fd, bytes.data() + written, size_t(bytes.size() - written), off_t(offset + written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0) {
            *error = now < 0 ? errno : ENOSPC;
            return false;
        }
        written += now;
    }
    return true;
}

bool readAll(int fd, QByteArray *bytes, int *error)
{
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        *error = errno;
        return false;
    }
    QByteArray read;
    read.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    for (;;) {
        if (done == read.size())
            read.resize(read.size() + 64 * 1024);
        const ssize_t now = ::pread(fd, read.data() + done, size_t(read.size() - done), off_t(done));
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0) {
            *error = errno;
            return false;
        }
        if (now == 0)
            break;
        done += now;
    }
    read.resize(done);
    *bytes = std::move(read);
    return true;
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

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// A new file beside target, named after it, created with mode: the umask applies.
int createBeside(const QByteArray &target, const char *kind, mode_t mode, QByteArray *name, int *error)
{
    const QByteArray folder = folderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = folder + "/." + base + kind + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            *error = errno;
            return -1;
        }
    }
    *error = EEXIST;
    return -1;
}

void syncFolder(const QByteArray &path)
{
    const Descriptor folder(::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
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

// The whole of bytes into a new file beside target, synced.
enum class Replaced { Done, Failed, NeedsInPlace };

Replaced replaceByRename(const QByteArray &target, const struct stat *old, QByteArrayView bytes, DiskFailure *failure)
{
    QByteArray name;
    int error = 0;
    // The new file is private until it holds the old file's mode.
    Descriptor fd(createBeside(target, ".tagpot-new-", old ? 0600 : 0666, &name, &error));
    if (!fd.valid()) {
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
        const Descriptor oldFd(::open(target.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
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
    fd.reset();
    if (::rename(name.constData(), target.constData()) != 0)
        return abandon(errno);
    syncFolder(target);
    return Replaced::Done;
}

// Writes bytes into the file itself: its inode, links, owner and attributes
// stay. The old bytes wait, synced, in a copy beside it until the new ones
// are synced; a failure writes them back.
bool writeInPlace(const QByteArray &target, const struct stat &old, QByteArrayView bytes, DiskFailure *failure)
{
    int error = 0;
    const Descriptor file(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (!file.valid())
        return failWithErrno(failure, errno);
    QByteArray oldBytes;
    if (!readAll(file.get(), &oldBytes, &error))
        return failWithErrno(failure, error);

    QByteArray copyName;
    {
        Descriptor copy(createBeside(target, ".tagpot-old-", 0600, &copyName, &error));
        if (!copy.valid())
            return failWith(failure, u"元の内容の控えを作れませんでした："_s + explainSystemError(error));
        if (!writeAll(copy.get(), oldBytes, 0, &error) || ::fsync(copy.get()) != 0) {
            if (!error)
                error = errno;
            copy.reset();
            ::unlink(copyName.constData());
            return failWith(failure, u"元の内容の控えを作れませんでした："_s + explainSystemError(error));
        }
        syncFolder(target);
    }

    if (writeAll(file.get(), bytes, 0, &error) && ::ftruncate(file.get(), off_t(bytes.size())) == 0
        && ::fsync(file.get()) == 0) {
        // Writing clears the set-user and set-group bits for anyone but root.
        if (!sameIdentity(file.get(), old))
            ::fchmod(file.get(), old.st_mode & 07777);
        ::unlink(copyName.constData());
        return true;
    }
    if (!error)
        error = errno;
    const QString reason = explainSystemError(error);
    int restoreError = 0;
    if (writeAll(file.get(), oldBytes, 0, &restoreError) && ::ftruncate(file.get(), off_t(oldBytes.size())) == 0
        && ::fsync(file.get()) == 0) {
        if (!sameIdentity(file.get(), old))
            ::fchmod(file.get(), old.st_mode & 07777);
        ::unlink(copyName.constData());
        return failWith(failure, reason + u"\n元のファイルには元の内容を書き戻しました。"_s);
    }
    if (failure)
        failure->oldFileDamaged = true;
    return failWith(failure, reason + u"\n元の内容を書き戻せませんでした。元の内容は「"_s
                                 + pathFromNative(copyName) + u"」に残っています。"_s);
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
        return failWith(failure, u"ファイルが大きすぎます（開けるのは %1 MB まで）"_s.arg(largestDocument >> 20));
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return failWithErrno(failure, errno);
    int error = 0;
    QByteArray read;
    if (!readAll(fd.get(), &read, &error))
        return failWithErrno(failure, error);
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
