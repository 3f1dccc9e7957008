// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/recoveryfile.h"

#include "core/document/diskfile.h"
#include "core/document/nativepath.h"
#include "core/document/posixfile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <dirent.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView magic = "tagpot recovery 1\n";
constexpr QStringView recoverySuffix = u".recovery";
constexpr QStringView lockSuffix = u".lock";

struct EncodingKey {
    TextEncoding encoding;
    QByteArrayView key;
};
constexpr std::array<EncodingKey, 6> encodingKeys{{
    {TextEncoding::Utf8, "utf-8"},
    {TextEncoding::Utf16Le, "utf-16le"},
    {TextEncoding::Utf16Be, "utf-16be"},
    {TextEncoding::ShiftJis, "shift_jis"},
    {TextEncoding::EucJp, "euc-jp"},
    {TextEncoding::Iso2022Jp, "iso-2022-jp"},
}};

struct LineEndKey {
    LineEnd end;
    QByteArrayView key;
};
constexpr std::array<LineEndKey, 3> lineEndKeys{{
    {LineEnd::CrLf, "crlf"},
    {LineEnd::Lf, "lf"},
    {LineEnd::Cr, "cr"},
}};

QByteArray native(const QString &path)
{
    return nativePath(path);
}

constexpr QStringView temporarySuffix = u".tmp";

// Why a file in the recovery folder is not one to trust: empty when it is a
// regular file of the user's with one name.
QString distrust(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return u"シンボリックリンクです"_s;
    if (!S_ISREG(info.st_mode))
        return u"通常のファイルではありません"_s;
    if (info.st_uid != ::geteuid())
        return u"ほかのユーザーのファイルです"_s;
    if (info.st_nlink != 1)
        return u"ほかの名前（ハードリンク）を持っています"_s;
    return {};
}

// Opens path without following a link and checks what was opened; the
// reason it is distrusted, else empty with *fd set (or errno in *error).
QString openTrusted(const QString &path, int flags, Descriptor *fd, int *error)
{
    fd->reset(::open(native(path).constData(), flags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    struct stat info;
    if (!fd->valid()) {
        *error = errno;
        if (errno == ELOOP && ::lstat(native(path).constData(), &info) == 0)
            return distrust(info);
        return {};
    }
    if (::fstat(fd->get(), &info) != 0) {
        *error = errno;
        fd->reset();
        return {};
    }
    QString reason = distrust(info);
    if (!reason.isEmpty())
        fd->reset();
    return reason;
}

enum class Locked { Taken, Running, Unsafe, Unlockable };

// Opens (creating, mode 0600) and locks path without waiting. In a folder
// the user may not write, an existing lock is taken read-only, and none at
// all means no program holds the file.
Locked lockFile(const QString &path, int *fd, QString *reason)
{
    Descriptor lock;
    int error = 0;
    *reason = openTrusted(path, O_RDWR | O_CREAT, &lock, &error);
    if (!reason->isEmpty())
        return Locked::Unsafe;
    if (!lock.valid() && (error == EACCES || error == EROFS || error == EPERM)) {
        *reason = openTrusted(path, O_RDONLY, &lock, &error);
        if (!reason->isEmpty())
            return Locked::Unsafe;
        if (!lock.valid() && error == ENOENT) {
            *fd = -1;
            return Locked::Taken;
        }
    }
    if (!lock.valid()) {
        *reason = explainSystemError(error);
        return Locked::Unlockable;
    }
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
        return Locked::Running;
    ::fchmod(lock.get(), 0600);
    *fd = lock.release();
    return Locked::Taken;
}

// The largest recovery file read: the largest page in UTF-8 and its header.
constexpr qint64 largestRecovery = largestDocument * 3 + 64 * 1024;

enum class Read { Absent, Unsafe, Unreadable, Broken, Whole };

Read readRecord(const QString &path, std::optional<RecoveryRecord> *record, QString *reason)
{
    Descriptor fd;
    int error = 0;
    *reason = openTrusted(path, O_RDONLY, &fd, &error);
    if (!reason->isEmpty())
        return Read::Unsafe;
    if (!fd.valid()) {
        if (error == ENOENT)
            return Read::Absent;
        *reason = u"読めません："_s + explainSystemError(error);
        return Read::Unreadable;
    }
    QByteArray bytes;
    bool tooLarge = false;
    if (!readUpTo(fd.get(), largestRecovery, &bytes, &tooLarge, &error)) {
        *reason = u"読めません："_s + explainSystemError(error);
        return Read::Unreadable;
    }
    if (!tooLarge)
        *record = parseRecovery(bytes);
    if (!*record) {
        *reason = u"復元用のファイルとして正しくありません（途中で切れているか、別の内容です）"_s;
        return Read::Broken;
    }
    return Read::Whole;
}

} // namespace

QByteArray recoveryBytes(const RecoveryRecord &record)
{
    QByteArray encoding;
    for (const EncodingKey &entry : encodingKeys) {
        if (entry.encoding == record.format.encoding)
            encoding = entry.key.toByteArray();
    }
    QByteArray lineEnd;
    for (const LineEndKey &entry : lineEndKeys) {
        if (entry.end == record.format.lineEnd)
            lineEnd = entry.key.toByteArray();
    }
    const QByteArray text = record.text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size() + 512);
    bytes += magic;
    // The path as its bytes, so that a name that is not UTF-8 comes back as it was.
    bytes += "path: " + nativePath(record.path).toPercentEncoding("/") + '\n';
    bytes += "encoding: " + encoding + '\n';
    bytes += "byte-order-mark: " + QByteArray(record.format.byteOrderMark ? "yes" : "no") + '\n';
    bytes += "line-end: " + lineEnd + '\n';
    bytes += "written: " + record.written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += "length: " + QByteArray::number(text.size()) + '\n';
    bytes += '\n';
    bytes += text;
    return bytes;
}

std::optional<RecoveryRecord> parseRecovery(QByteArrayView bytes)
{
    if (!bytes.startsWith(magic))
        return std::nullopt;
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (headerEnd < 0)
        return std::nullopt;
    RecoveryRecord record;
    qsizetype length = -1;
    bool encodingFound = false;
    bool lineEndFound = false;
    const QByteArray header = bytes.sliced(magic.size(), headerEnd - magic.size()).toByteArray();
    for (const QByteArray &line : header.split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon < 0)
            return std::nullopt;
        const QByteArray key = line.left(colon);
        const QByteArray value = line.mid(colon + 2);
        if (key == "path") {
            record.path = pathFromNative(QByteArray::fromPercentEncoding(value));
        } else if (key == "encoding") {
            for (const EncodingKey &entry : encodingKeys) {
                if (entry.key == value) {
                    record.format.encoding = entry.encoding;
                    encodingFound = true;
                }
            }
        } else if (key == "byte-order-mark") {
            record.format.byteOrderMark = value == "yes";
        } else if (key == "line-end") {
            for (const LineEndKey &entry : lineEndKeys) {
                if (entry.key == value) {
                    record.format.lineEnd = entry.end;
                    lineEndFound = true;
                }
            }
        } else if (key == "written") {
            record.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        } else if (key == "length") {
            bool ok = false;
            length = value.toLongLong(&ok);
            if (!ok)
                return std::nullopt;
        }
    }
    const QByteArrayView text = bytes.sliced(headerEnd + 2);
    if (!encodingFound || !lineEndFound || !record.written.isValid() || length != text.size())
        return std::nullopt;
    record.text = QString::fromUtf8(text);
    return record;
}

QString recoveryFolder()
{
    QString state;
    if (QStandardPaths::isTestModeEnabled()) {
        // Beside the test locations (~/.qttest/config, ~/.qttest/share…).
        state = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/../state"_s);
    } else {
        state = qEnvironmentVariable("XDG_STATE_HOME");
        if (state.isEmpty() || QDir::isRelativePath(state))
            state = QDir::homePath() + u"/.local/state"_s;
    }
    return state + u"/tagpot"_s;
}

namespace {

// Why folder is no place for recovery files: empty when it is a real folder
// (not a link to one) of the user's that nobody else may enter. writable
// also asks for mode 0700, which is given where it was different.
QString folderDistrust(const QString &folder, bool writable)
{
    struct stat info;
    if (::lstat(native(folder).constData(), &info) != 0)
        return explainSystemError(errno);
    if (S_ISLNK(info.st_mode))
        return u"「%1」はシンボリックリンクです"_s.arg(displayedPath(folder));
    if (!S_ISDIR(info.st_mode))
        return u"「%1」はフォルダーではありません"_s.arg(displayedPath(folder));
    if (info.st_uid != ::geteuid())
        return u"「%1」はほかのユーザーのフォルダーです"_s.arg(displayedPath(folder));
    if (!writable)
        return (info.st_mode & 077) == 0 ? QString() : u"「%1」はほかのユーザーも開けます"_s.arg(displayedPath(folder));
    if ((info.st_mode & 07777) == 0700)
        return {};
    const Descriptor fd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid() || ::fchmod(fd.get(), 0700) != 0)
        return explainSystemError(errno);
    return {};
}

} // namespace

bool makePrivateFolder(const QString &folder, QString *reason)
{
    // The parents as the base directory rules say: 0700 for what is made.
    const QStringList parts = QDir::cleanPath(folder).split(u'/');
    QString made;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        made += (i == 0 ? QString() : u"/"_s) + parts[i];
        if (made.isEmpty())
            continue;
        if (::mkdir(native(made).constData(), 0700) != 0 && errno != EEXIST) {
            if (reason)
                *reason = explainSystemError(errno);
            return false;
        }
    }
    const QString distrusted = folderDistrust(QDir::cleanPath(folder), true);
    if (reason && !distrusted.isEmpty())
        *reason = distrusted;
    return distrusted.isEmpty();
}

RecoveryFile::RecoveryFile(const QString &folder)
    : m_folder(folder)
{
    // Named after the process and a random part: ids are reused, and the
    // lock, not the name, tells whether the owner still runs.
    const QString id = u"%1-%2"_s.arg(::getpid()).arg(QRandomGenerator::global()->generate64(), 0, 36);
    m_file = m_folder + u'/' + id + recoverySuffix;
    m_lockFile = m_folder + u'/' + id + lockSuffix;
}

RecoveryFile::~RecoveryFile()
{
    if (m_lock >= 0) {
        if (!exists())
            ::unlink(native(m_lockFile).constData());
        ::close(m_lock);
    }
}

bool RecoveryFile::lock(QString *reason)
{
    if (m_lock >= 0)
        return true;
    if (!makePrivateFolder(m_folder, reason))
        return false;
    QString why;
    if (lockFile(m_lockFile, &m_lock, &why) != Locked::Taken || m_lock < 0) {
        if (m_lock >= 0)
            ::close(std::exchange(m_lock, -1));
        if (reason)
            *reason = why.isEmpty() ? explainSystemError(EBUSY) : why;
        return false;
    }
    return true;
}

bool RecoveryFile::write(const RecoveryRecord &record, QString *reason)
{
    if (!lock(reason))
        return false;
    const QByteArray bytes = recoveryBytes(record);
    const QByteArray temporary = native(m_file + temporarySuffix);
    // Made anew, never opened through whatever stands at that name.
    ::unlink(temporary.constData());
    Descriptor fd(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid()) {
        if (reason)
            *reason = explainSystemError(errno);
        return false;
    }
    ::fchmod(fd.get(), 0600);
    int error = 0;
    if (writeAll(fd.get(), bytes, 0, &error) && ::fsync(fd.get()) != 0)
        error = errno;
    fd.reset();
    if (!error && ::rename(temporary.constData(), native(m_file).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        if (reason)
            *reason = explainSystemError(error);
        return false;
    }
    // The rename itself reaches the disk.
    if (!syncFolderOf(native(m_file)) && errno != EINVAL) {
        if (reason)
            *reason = explainSystemError(errno);
        return false;
    }
    return true;
}

void RecoveryFile::remove()
{
    ::unlink(native(m_file).constData());
}

bool RecoveryFile::exists() const
{
    struct stat info;
    return ::lstat(native(m_file).constData(), &info) == 0;
}

OrphanRecovery::OrphanRecovery(OrphanRecovery &&other) noexcept
    : m_record(std::move(other.m_record))
    , m_file(std::move(other.m_file))
    , m_lockFile(std::move(other.m_lockFile))
    , m_problem(std::move(other.m_problem))
    , m_lock(std::exchange(other.m_lock, -1))
{
}

OrphanRecovery &OrphanRecovery::operator=(OrphanRecovery &&other) noexcept
{
    if (this != &other) {
        if (m_lock >= 0)
            ::close(m_lock);
        m_record = std::move(other.m_record);
        m_file = std::move(other.m_file);
        m_lockFile = std::move(other.m_lockFile);
        m_problem = std::move(other.m_problem);
        m_lock = std::exchange(other.m_lock, -1);
    }
    return *this;
}

OrphanRecovery::~OrphanRecovery()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

bool OrphanRecovery::discard()
{
    const bool removed = ::unlink(native(m_file).constData()) == 0 || errno == ENOENT;
    if (removed)
        ::unlink(native(m_lockFile).constData());
    if (m_lock >= 0)
        ::close(std::exchange(m_lock, -1));
    return removed;
}

std::vector<OrphanRecovery> OrphanRecovery::claim(const QString &folder)
{
    return survey(folder).orphans;
}

RecoveryFolder OrphanRecovery::survey(const QString &folder)
{
    RecoveryFolder found;
    found.folderProblem = folderDistrust(folder, false);
    if (!found.folderProblem.isEmpty()) {
        // No folder yet is nothing to say.
        struct stat info;
        if (::lstat(native(folder).constData(), &info) != 0 && errno == ENOENT)
            found.folderProblem.clear();
        return found;
    }
    // Each id once, whether its record, its replacement or both are there.
    std::map<QString, bool> ids;
    if (DIR *dir = ::opendir(native(folder).constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            QString name = pathFromNative(entry->d_name);
            if (name.endsWith(temporarySuffix))
                name.chop(temporarySuffix.size());
            if (name.endsWith(recoverySuffix) && name.size() > recoverySuffix.size())
                ids[name.chopped(recoverySuffix.size())] = true;
        }
        ::closedir(dir);
    }
    for (const auto &[id, unused] : ids) {
        OrphanRecovery orphan;
        orphan.m_file = folder + u'/' + id + recoverySuffix;
        orphan.m_lockFile = folder + u'/' + id + lockSuffix;
        const QString temporary = orphan.m_file + temporarySuffix;
        QString reason;
        switch (lockFile(orphan.m_lockFile, &orphan.m_lock, &reason)) {
        case Locked::Taken:
            break;
        case Locked::Running:
            continue;
        case Locked::Unsafe:
            found.distrusted.push_back({orphan.m_lockFile, reason});
            continue;
        case Locked::Unlockable:
            found.broken.push_back(std::move(orphan.withProblem(reason)));
            continue;
        }
        std::optional<RecoveryRecord> record;
        std::optional<RecoveryRecord> replacement;
        QString replacementReason;
        const Read read = readRecord(orphan.m_file, &record, &reason);
        const Read readReplacement = readRecord(temporary, &replacement, &replacementReason);
        if (read == Read::Unsafe || readReplacement == Read::Unsafe) {
            found.distrusted.push_back(read == Read::Unsafe ? RecoveryProblem{orphan.m_file, reason}
                                                            : RecoveryProblem{temporary, replacementReason});
            continue;
        }
        // A replacement written whole but not yet renamed is the newer record.
        if (replacement && (!record || replacement->written > record->written)) {
            if (::rename(native(temporary).constData(), native(orphan.m_file).constData()) == 0) {
                syncFolderOf(native(orphan.m_file));
                record = std::move(replacement);
            }
        } else if (readReplacement != Read::Absent) {
            ::unlink(native(temporary).constData());
        }
        if (record) {
            orphan.m_record = std::move(*record);
            found.orphans.push_back(std::move(orphan));
        } else if (read != Read::Absent) {
            found.broken.push_back(std::move(orphan.withProblem(reason)));
        } else {
            // Only a replacement cut off while being written: nothing to offer.
            orphan.discard();
        }
    }
    std::sort(found.orphans.begin(), found.orphans.end(), [](const OrphanRecovery &a, const OrphanRecovery &b) {
        return a.m_record.written > b.m_record.written;
    });
    return found;
}
