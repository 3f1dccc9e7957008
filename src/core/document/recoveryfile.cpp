// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/recoveryfile.h"

#include "core/document/diskfile.h"
#include "core/document/nativepath.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Opens (creating, mode 0600) and locks path without waiting; -1 when another
// running program holds it.
int lockFile(const QString &path)
{
    const int fd = ::open(native(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    ::fchmod(fd, 0600);
    return fd;
}

bool readFile(const QString &path, QByteArray *bytes)
{
    DiskFailure failure;
    return readWholeFile(path, bytes, &failure);
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
    struct stat info;
    if (::stat(native(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        if (reason)
            *reason = explainSystemError(errno ? errno : ENOTDIR);
        return false;
    }
    if ((info.st_mode & 0777) != 0700 && ::chmod(native(folder).constData(), 0700) != 0) {
        if (reason)
            *reason = explainSystemError(errno);
        return false;
    }
    return true;
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
    m_lock = lockFile(m_lockFile);
    if (m_lock < 0 && reason)
        *reason = explainSystemError(errno);
    return m_lock >= 0;
}

bool RecoveryFile::write(const RecoveryRecord &record, QString *reason)
{
    if (!lock(reason))
        return false;
    const QByteArray bytes = recoveryBytes(record);
    const QByteArray temporary = native(m_file + u".tmp"_s);
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (reason)
            *reason = explainSystemError(errno);
        return false;
    }
    ::fchmod(fd, 0600);
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0) {
            error = now < 0 ? errno : ENOSPC;
            break;
        }
        written += now;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    if (!error && ::rename(temporary.constData(), native(m_file).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        if (reason)
            *reason = explainSystemError(error);
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
    return ::stat(native(m_file).constData(), &info) == 0;
}

OrphanRecovery::OrphanRecovery(OrphanRecovery &&other) noexcept
    : m_record(std::move(other.m_record))
    , m_file(std::move(other.m_file))
    , m_lockFile(std::move(other.m_lockFile))
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
        m_lock = std::exchange(other.m_lock, -1);
    }
    return *this;
}

OrphanRecovery::~OrphanRecovery()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

void OrphanRecovery::discard()
{
    ::unlink(native(m_file).constData());
    ::unlink(native(m_lockFile).constData());
    if (m_lock >= 0)
        ::close(std::exchange(m_lock, -1));
}

std::vector<OrphanRecovery> OrphanRecovery::claim(const QString &folder)
{
    std::vector<OrphanRecovery> orphans;
    const QStringList names = QDir(folder).entryList({u"*"_s + recoverySuffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString id = name.chopped(recoverySuffix.size());
        OrphanRecovery orphan;
        orphan.m_file = folder + u'/' + name;
        orphan.m_lockFile = folder + u'/' + id + lockSuffix;
        orphan.m_lock = lockFile(orphan.m_lockFile);
        if (orphan.m_lock < 0)
            continue; // its program is running
        ::unlink(native(orphan.m_file + u".tmp"_s).constData());
        QByteArray bytes;
        if (!readFile(orphan.m_file, &bytes))
            continue;
        auto record = parseRecovery(bytes);
        if (!record)
            continue;
        orphan.m_record = std::move(*record);
        orphans.push_back(std::move(orphan));
    }
    std::sort(orphans.begin(), orphans.end(), [](const OrphanRecovery &a, const OrphanRecovery &b) {
        return a.m_record.written > b.m_record.written;
    });
    return orphans;
}
