// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/interruptedsave.h"

#include "core/document/diskfile.h"
#include "core/document/nativepath.h"
#include "core/document/posixfile.h"
#include "core/document/recoveryfile.h"

#include <QCryptographicHash>
#include <QDateTime>

#include <cerrno>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView journalMagic = "tagpot journal 1\n";
constexpr QByteArrayView noteMagic = "tagpot note 1\n";
constexpr QByteArrayView journalEnd = "end\n";
constexpr qint64 chunk = 1 << 20;
// A file of the program's temporary names that is empty and younger than
// this may be one a running save has just made and not yet locked.
constexpr qint64 freshSeconds = 10;

SaveStepHook saveStepHook = nullptr;

struct Hashed {
    qint64 size = 0;
    QByteArray hash;
};

// Size and hash of what fd holds, read a piece at a time.
bool hashFile(int fd, Hashed *hashed, int *error)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(qsizetype(chunk), Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const ssize_t now = ::pread(fd, buffer.data(), size_t(buffer.size()), off_t(done));
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0) {
            *error = errno;
            return false;
        }
        if (now == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), now));
        done += now;
    }
    *hashed = {done, hash.result().toHex()};
    return true;
}

// Copies all of from into to (from offset 0), hashing on the way; to is
// cut to the same size and synced.
bool copyFile(int from, int to, Hashed *hashed, int *error)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(qsizetype(chunk), Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const ssize_t now = ::pread(from, buffer.data(), size_t(buffer.size()), off_t(done));
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0) {
            *error = errno;
            return false;
        }
        if (now == 0)
            break;
        const QByteArrayView piece(buffer.constData(), now);
        if (!writeAll(to, piece, done, error))
            return false;
        hash.addData(piece);
        done += now;
    }
    if (::ftruncate(to, off_t(done)) != 0 || ::fsync(to) != 0) {
        *error = errno;
        return false;
    }
    if (hashed)
        *hashed = {done, hash.result().toHex()};
    return true;
}

struct Journal {
    QByteArray target;
    QByteArray copy;
    quint64 device = 0;
    quint64 inode = 0;
    Hashed oldBytes;
    Hashed newBytes;
};

QByteArray journalBytes(const Journal &journal)
{
    QByteArray bytes = journalMagic.toByteArray();
    bytes += "target: " + journal.target.toPercentEncoding("/") + '\n';
    bytes += "copy: " + journal.copy.toPercentEncoding("/") + '\n';
    bytes += "device: " + QByteArray::number(journal.device) + '\n';
    bytes += "inode: " + QByteArray::number(journal.inode) + '\n';
    bytes += "old-size: " + QByteArray::number(journal.oldBytes.size) + '\n';
    bytes += "old-hash: " + journal.oldBytes.hash + '\n';
    bytes += "new-size: " + QByteArray::number(journal.newBytes.size) + '\n';
    bytes += "new-hash: " + journal.newBytes.hash + '\n';
    bytes += journalEnd;
    return bytes;
}

// Nothing unless bytes are a whole journal.
std::optional<Journal> parseJournal(QByteArrayView bytes)
{
    if (!bytes.startsWith(journalMagic) || !bytes.endsWith(journalEnd))
        return std::nullopt;
    Journal journal;
    int found = 0;
    const QByteArray body = bytes.sliced(journalMagic.size(), bytes.size() - journalMagic.size() - journalEnd.size()).toByteArray();
    for (const QByteArray &line : body.split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon < 0)
            continue;
        const QByteArray key = line.left(colon);
        const QByteArray value = line.mid(colon + 2);
        bool ok = true;
        if (key == "target")
            journal.target = QByteArray::fromPercentEncoding(value);
        else if (key == "copy")
            journal.copy = QByteArray::fromPercentEncoding(value);
        else if (key == "device")
            journal.device = value.toULongLong(&ok);
        else if (key == "inode")
            journal.inode = value.toULongLong(&ok);
        else if (key == "old-size")
            journal.oldBytes.size = value.toLongLong(&ok);
        else if (key == "old-hash")
            journal.oldBytes.hash = value;
        else if (key == "new-size")
            journal.newBytes.size = value.toLongLong(&ok);
        else if (key == "new-hash")
            journal.newBytes.hash = value;
        else
            continue;
        if (!ok)
            return std::nullopt;
        ++found;
    }
    if (found != 8 || !journal.target.startsWith('/') || !journal.copy.startsWith('/'))
        return std::nullopt;
    return journal;
}

bool operator==(const Hashed &a, const Hashed &b)
{
    return a.size == b.size && a.hash == b.hash;
}

// A file of ours that no running program holds: opened without following
// a link, a regular file of the user's with one name, its lock taken.
Descriptor takeLeftover(const QByteArray &path, struct stat *info, int flags = O_RDONLY)
{
    Descriptor fd(::open(path.constData(), flags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid() || ::fstat(fd.get(), info) != 0 || !S_ISREG(info->st_mode) || info->st_nlink != 1
        || info->st_uid != ::geteuid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return Descriptor();
    return fd;
}

bool fresh(const struct stat &info)
{
    return info.st_size == 0 && info.st_mtim.tv_sec + freshSeconds > QDateTime::currentSecsSinceEpoch();
}

QByteArray readSmall(int fd)
{
    QByteArray bytes;
    bool tooLarge = false;
    int error = 0;
    if (!readUpTo(fd, 64 * 1024, &bytes, &tooLarge, &error) || tooLarge)
        return {};
    return bytes;
}

void removeQuietly(const QByteArray &path)
{
    if (!path.isEmpty())
        ::unlink(path.constData());
}

// Puts right the save a journal (held, locked) tells of. Nothing when there
// was nothing to say: the file has since been replaced or removed.
std::optional<SaveRepair> repairJournal(const QByteArray &journalPath, int journalFd)
{
    const auto journal = parseJournal(readSmall(journalFd));
    QByteArray id;
    TemporaryKind kind;
    if (!journal) {
        // Cut off while being written: the file itself was not yet touched.
        if (parseTemporaryName(baseNameOf(journalPath), &id, &kind))
            removeQuietly(temporaryName(folderOf(journalPath), id, TemporaryKind::OldBytes));
        removeQuietly(journalPath);
        return std::nullopt;
    }
    const auto forget = [&] {
        removeQuietly(journalPath);
        removeQuietly(journal->copy);
        syncFolderOf(journalPath);
    };
    SaveRepair repair{SaveRepair::Outcome::Failed, pathFromNative(journal->target), pathFromNative(journal->copy), {}};
    const Descriptor target(::open(journal->target.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!target.valid()) {
        if (errno == ENOENT) {
            forget();
            return std::nullopt;
        }
        repair.reason = explainSystemError(errno);
        return repair;
    }
    if (::fstat(target.get(), &info) != 0 || !S_ISREG(info.st_mode) || quint64(info.st_dev) != journal->device
        || quint64(info.st_ino) != journal->inode) {
        forget();
        return std::nullopt;
    }
    int error = 0;
    Hashed now;
    if (!hashFile(target.get(), &now, &error)) {
        repair.reason = explainSystemError(error);
        return repair;
    }
    if (now == journal->newBytes || now == journal->oldBytes) {
        repair.outcome = now == journal->newBytes ? SaveRepair::Outcome::NewKept : SaveRepair::Outcome::OldKept;
        forget();
        return repair;
    }
    const Descriptor copy(::open(journal->copy.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    Hashed kept;
    if (!copy.valid() || !hashFile(copy.get(), &kept, &error)) {
        repair.reason = explainSystemError(copy.valid() ? error : errno);
        return repair;
    }
    if (!(kept == journal->oldBytes)) {
        repair.reason = u"控えの内容が記録と合いません"_s;
        return repair;
    }
    if (!copyFile(copy.get(), target.get(), nullptr, &error)) {
        repair.reason = explainSystemError(error);
        return repair;
    }
    // Writing clears the set-user and set-group bits for anyone but root.
    struct stat after;
    if (::fstat(target.get(), &after) == 0 && after.st_mode != info.st_mode)
        ::fchmod(target.get(), info.st_mode & 07777);
    repair.outcome = SaveRepair::Outcome::OldPutBack;
    forget();
    return repair;
}

// Names in folder, as bytes.
QList<QByteArray> namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith(temporaryPrefix))
            names << name;
    }
    ::closedir(dir);
    return names;
}

QList<SaveRepair> tidyNative(const QByteArray &folder)
{
    QList<SaveRepair> repairs;
    const QList<QByteArray> names = namesIn(folder);
    const auto each = [&](TemporaryKind wanted, auto handle) {
        for (const QByteArray &name : names) {
            QByteArray id;
            TemporaryKind kind;
            if (!parseTemporaryName(name, &id, &kind) || kind != wanted)
                continue;
            const QByteArray path = folder + '/' + name;
            struct stat info;
            const Descriptor fd = takeLeftover(path, &info);
            if (fd.valid() && !fresh(info))
                handle(path, id, fd.get());
        }
    };
    const auto repairAt = [&](const QByteArray &path, int fd) {
        if (auto repair = repairJournal(path, fd))
            repairs << *repair;
    };
    each(TemporaryKind::Journal, [&](const QByteArray &path, const QByteArray &, int fd) { repairAt(path, fd); });
    // Notes stand only in the saves folder.
    each(TemporaryKind::Note, [&](const QByteArray &path, const QByteArray &, int fd) {
        const QByteArray bytes = readSmall(fd);
        if (bytes.startsWith(noteMagic)) {
            const QByteArray journalPath = QByteArray::fromPercentEncoding(bytes.sliced(noteMagic.size()).trimmed());
            struct stat info;
            const Descriptor journal = takeLeftover(journalPath, &info);
            if (journal.valid())
                repairAt(journalPath, journal.get());
            // Still there: held by a save under way, not ours to judge, or
            // not put right yet; the next start tries again.
            if (::access(journalPath.constData(), F_OK) == 0)
                return;
        }
        removeQuietly(path);
    });
    // A copy whose journal is gone was either used or never needed.
    each(TemporaryKind::OldBytes, [&](const QByteArray &path, const QByteArray &id, int) {
        if (::access(temporaryName(folder, id, TemporaryKind::Journal).constData(), F_OK) != 0)
            removeQuietly(path);
    });
    each(TemporaryKind::NewBytes, [&](const QByteArray &path, const QByteArray &, int) { removeQuietly(path); });
    return repairs;
}

} // namespace

QString savesFolder()
{
    return recoveryFolder() + u"/saves"_s;
}

QList<SaveRepair> tidyFolder(const QString &folder)
{
    QList<SaveRepair> repairs = tidyNative(nativePath(folder));
    // Saves of pages in folders they could not write keep their journals here.
    const QByteArray saves = nativePath(savesFolder());
    if (nativePath(folder) != saves)
        repairs += tidyNative(saves);
    return repairs;
}

QList<SaveRepair> repairInterruptedSaves()
{
    return tidyNative(nativePath(savesFolder()));
}

void setSaveStepHook(SaveStepHook hook)
{
    saveStepHook = hook;
}

void reachSaveStep(SaveStep step)
{
    if (saveStepHook)
        saveStepHook(step);
}

InPlaceJournal::~InPlaceJournal()
{
    for (const int fd : {m_copyFd, m_journalFd, m_noteFd}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool InPlaceJournal::begin(const QByteArray &target, int fd, QByteArrayView newBytes, QString *reason)
{
    const auto failed = [&](int error) {
        *reason = u"元の内容の控えを作れませんでした："_s + explainSystemError(error);
        finish();
        return false;
    };
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    int error = 0;
    QByteArray id;
    QByteArray folder = folderOf(target);
    m_copyFd = createTemporary(folder, TemporaryKind::OldBytes, 0600, &id, &m_copy, &error);
    const bool beside = m_copyFd >= 0;
    if (!beside && (error == EACCES || error == EPERM || error == EROFS)) {
        // A folder the user may not write: the copy and journal go where the
        // program keeps its own files, which a start looks through.
        QString why;
        if (!makePrivateFolder(savesFolder(), &why)) {
            *reason = u"元の内容の控えを作れませんでした："_s + why;
            m_copy.clear();
            return false;
        }
        folder = nativePath(savesFolder());
        m_copyFd = createTemporary(folder, TemporaryKind::OldBytes, 0600, &id, &m_copy, &error);
    }
    if (m_copyFd < 0) {
        m_copy.clear();
        return failed(error);
    }
    Journal journal{target, m_copy, quint64(info.st_dev), quint64(info.st_ino), {}, {}};
    if (!copyFile(fd, m_copyFd, &journal.oldBytes, &error))
        return failed(error);
    journal.newBytes = {newBytes.size(), QCryptographicHash::hash(newBytes, QCryptographicHash::Sha256).toHex()};

    m_journalFd = createTemporaryWithId(folder, id, TemporaryKind::Journal, 0600, &m_journal, &error);
    if (m_journalFd < 0) {
        m_journal.clear();
        return failed(error);
    }
    if (!writeAll(m_journalFd, journalBytes(journal), 0, &error))
        return failed(error);
    if (::fsync(m_journalFd) != 0 || !syncFolderOf(m_journal))
        return failed(errno);

    if (beside) {
        // Without the note only an open of the page's folder would find the
        // journal; the save goes on all the same.
        const QByteArray saves = nativePath(savesFolder());
        QString ignored;
        if (makePrivateFolder(savesFolder(), &ignored)) {
            m_noteFd = createTemporaryWithId(saves, id, TemporaryKind::Note, 0600, &m_note, &error);
            if (m_noteFd >= 0
                && (!writeAll(m_noteFd, QByteArray(noteMagic.toByteArray() + m_journal.toPercentEncoding("/") + '\n'), 0, &error)
                    || ::fsync(m_noteFd) != 0 || !syncFolderOf(m_note))) {
                ::close(std::exchange(m_noteFd, -1));
                removeQuietly(std::exchange(m_note, {}));
            }
            if (m_noteFd < 0)
                m_note.clear();
        }
    }
    reachSaveStep(SaveStep::OldBytesKept);
    return true;
}

bool InPlaceJournal::putBack(int fd, int *error)
{
    return m_copyFd >= 0 && copyFile(m_copyFd, fd, nullptr, error);
}

void InPlaceJournal::finish()
{
    // The journal first: a copy without one is a leftover, never a repair.
    removeQuietly(m_journal);
    removeQuietly(m_copy);
    removeQuietly(m_note);
    if (!m_journal.isEmpty())
        syncFolderOf(m_journal);
    for (int *fd : {&m_copyFd, &m_journalFd, &m_noteFd}) {
        if (*fd >= 0)
            ::close(std::exchange(*fd, -1));
    }
    m_journal.clear();
    m_copy.clear();
    m_note.clear();
}
