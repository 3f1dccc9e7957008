// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/posixfile.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

void Descriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
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

bool readUpTo(int fd, qint64 limit, QByteArray *bytes, bool *tooLarge, int *error, qint64 deadlineMs)
{
    *tooLarge = false;
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        *error = errno;
        return false;
    }
    const qint64 expected = std::clamp<qint64>(info.st_size, 0, limit);
    QByteArray read;
    read.resize(qsizetype(expected));
    qsizetype done = 0;
    QElapsedTimer beyondExpected;
    for (;;) {
        if (done == read.size()) {
            if (done > limit) {
                *tooLarge = true;
                return true;
            }
            // One byte past the limit is enough to know.
            read.resize(qsizetype(std::min<qint64>(read.size() + qint64(1) * 1024 * 1024, limit + 1)));
        }
        if (done > expected) {
            if (!beyondExpected.isValid())
                beyondExpected.start();
            else if (beyondExpected.elapsed() > deadlineMs) {
                *tooLarge = true;
                return true;
            }
        }
        const ssize_t now = ::pread(fd, read.data() + done, size_t(read.size() - done), off_t(done));
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0) {
            // Files of /proc refuse reads past a point: one going on beyond
            // what stat said is not a page.
            *tooLarge = done > expected;
            *error = errno;
            return *tooLarge;
        }
        if (now == 0)
            break;
        done += now;
    }
    read.resize(done);
    *bytes = std::move(read);
    return true;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray baseNameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool syncFolderOf(const QByteArray &path)
{
    const Descriptor folder(::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fsync(folder.get()) == 0;
}

QByteArray temporaryName(const QByteArray &folder, const QByteArray &id, TemporaryKind kind)
{
    QByteArray name = folder;
    name += '/';
    name += temporaryPrefix;
    name += id;
    name += '-';
    name += char(kind);
    return name;
}

bool parseTemporaryName(const QByteArray &name, QByteArray *id, TemporaryKind *kind)
{
    if (!name.startsWith(temporaryPrefix) || name.size() < temporaryPrefix.size() + 3 || name.at(name.size() - 2) != '-')
        return false;
    const char last = name.back();
    static constexpr TemporaryKind kinds[] = {TemporaryKind::NewBytes, TemporaryKind::OldBytes, TemporaryKind::Journal,
                                              TemporaryKind::Note};
    for (const TemporaryKind candidate : kinds) {
        if (char(candidate) != last)
            continue;
        *id = name.mid(temporaryPrefix.size(), name.size() - temporaryPrefix.size() - 2);
        for (const char c : std::as_const(*id)) {
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
                return false;
        }
        *kind = candidate;
        return true;
    }
    return false;
}

QByteArray newTemporaryId()
{
    return QByteArray::number(QRandomGenerator::global()->generate64() % 2821109907456ull, 36); // at most 8 digits
}

int createTemporaryWithId(const QByteArray &folder, const QByteArray &id, TemporaryKind kind, mode_t mode,
                          QByteArray *name, int *error)
{
    *name = temporaryName(folder, id, kind);
    const int fd = ::open(name->constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    ::flock(fd, LOCK_EX | LOCK_NB);
    return fd;
}

int createTemporary(const QByteArray &folder, TemporaryKind kind, mode_t mode, QByteArray *id, QByteArray *name,
                    int *error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *id = newTemporaryId();
        const int fd = createTemporaryWithId(folder, *id, kind, mode, name, error);
        if (fd >= 0 || *error != EEXIST)
            return fd;
    }
    return -1;
}
