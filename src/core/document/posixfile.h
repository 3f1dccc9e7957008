// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <utility>

// The few system calls the file code shares, on native paths.

// A descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1);
    // The descriptor, no longer closed by this.
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// All of bytes at offset; false with *error set (ENOSPC for a write that
// stopped short).
bool writeAll(int fd, QByteArrayView bytes, qint64 offset, int *error);

// Reads from offset 0 until the end, but never more than limit + 1 bytes:
// more than limit comes back as *tooLarge. A file that goes on beyond what
// fstat said (a file of /proc, a device behind a regular name) is given
// deadlineMs to end before it counts as endless (*tooLarge as well).
bool readUpTo(int fd, qint64 limit, QByteArray *bytes, bool *tooLarge, int *error, qint64 deadlineMs = 1000);

QByteArray folderOf(const QByteArray &path);
QByteArray baseNameOf(const QByteArray &path);

// fsync of the folder holding path: makes a rename or unlink in it durable.
bool syncFolderOf(const QByteArray &path);

// The program's short temporary names in a folder, ".tagpot-<id>-<kind>": any
// name the file system accepts for the file itself leaves room for them.
inline constexpr QByteArrayView temporaryPrefix = ".tagpot-";
enum class TemporaryKind : char {
    NewBytes = 'n',  // a page's new bytes, renamed over it when complete
    OldBytes = 'o',  // the old bytes of a page written in place
    Journal = 'j',   // what a write in place is replacing
    Note = 'r',      // in the saves folder: where a journal stands
};
QByteArray temporaryName(const QByteArray &folder, const QByteArray &id, TemporaryKind kind);
// The kind and id of a name made by temporaryName(); false for any other name.
bool parseTemporaryName(const QByteArray &name, QByteArray *id, TemporaryKind *kind);
// A new id, short and random.
QByteArray newTemporaryId();

// Creates a new file of that kind in folder with a fresh id, mode given (the
// umask applies), locked (flock) for as long as the descriptor is open: an
// unlocked one is a leftover of a program that ended.
int createTemporary(const QByteArray &folder, TemporaryKind kind, mode_t mode, QByteArray *id, QByteArray *name,
                    int *error);
// The same with the id given.
int createTemporaryWithId(const QByteArray &folder, const QByteArray &id, TemporaryKind kind, mode_t mode,
                          QByteArray *name, int *error);
