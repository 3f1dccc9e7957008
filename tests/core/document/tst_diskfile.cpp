// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include "core/document/interruptedsave.h"
#include "core/document/nativepath.h"

#include "core/document/posixfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestDiskFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void readRefuses_data();
    void readRefuses();
    void writeKeepsModeAndLink();
    void hostileSaveTargets_data();
    void hostileSaveTargets();
    void readOnlyRefusedInJapanese();
    void nonUtf8NamesRoundTrip_data();
    void nonUtf8NamesRoundTrip();
    void interruptedWriteInPlaceIsPutRight_data();
    void interruptedWriteInPlaceIsPutRight();
    void folderNotWritableWritesInPlace();
    void longestNamesSave_data();
    void longestNamesSave();
    void leftoversOfKilledSaves_data();
    void leftoversOfKilledSaves();
};

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// What others see of a file besides its bytes.
struct Identity {
    mode_t type = 0;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;
    QMap<QByteArray, QByteArray> attributes;

    friend bool operator==(const Identity &, const Identity &) = default;
};

char *toString(const Identity &identity)
{
    QStringList attributes;
    for (auto it = identity.attributes.begin(); it != identity.attributes.end(); ++it)
        attributes << QString::fromLatin1(it.key()) + u'=' + QString::fromLatin1(it.value().toHex());
    return qstrdup(qPrintable(u"type %1 mode %2 owner %3 group %4 links %5 [%6]"_s.arg(identity.type, 0, 8)
                                  .arg(identity.mode, 4, 8, QChar(u'0'))
                                  .arg(identity.owner)
                                  .arg(identity.group)
                                  .arg(identity.links)
                                  .arg(attributes.join(u", "))));
}

Identity identityOf(const QString &path)
{
    Identity identity;
    struct stat info;
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &info) != 0)
        return identity;
    identity = {info.st_mode & S_IFMT, info.st_mode & 07777, info.st_uid, info.st_gid, info.st_nlink, {}};
    QByteArray names(4096, '\0');
    const ssize_t size = ::listxattr(name.constData(), names.data(), size_t(names.size()));
    for (const QByteArray &attribute : names.left(std::max<ssize_t>(size, 0)).split('\0')) {
        if (attribute.isEmpty())
            continue;
        QByteArray value(4096, '\0');
        const ssize_t length = ::getxattr(name.constData(), attribute.constData(), value.data(), size_t(value.size()));
        identity.attributes.insert(attribute, value.left(std::max<ssize_t>(length, 0)));
    }
    return identity;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

SaveStep killAt;

// Runs body in a forked child, which gives its exit status: the parent
// waits. Core code only, so no thread of Qt's is lost by the fork.
int inChild(const std::function<int()> &body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

} // namespace

void TestDiskFile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDiskFile::cleanup()
{
    // Whatever a save set aside in the saves folder is gone once it ends.
    QCOMPARE(entriesOf(savesFolder()), QStringList());
}

void TestDiskFile::readRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::addRow("a missing file") << "missing" << u"見つかりません"_s;
    QTest::addRow("a folder") << "folder" << u"フォルダー"_s;
    QTest::addRow("a pipe, which would never end") << "fifo" << u"通常のファイルではありません"_s;
    QTest::addRow("a file beyond the largest document") << "huge" << u"大きすぎます"_s;
    QTest::addRow("a file of /proc that stat calls empty and never ends") << "/proc/self/pagemap" << u"大きすぎます"_s;
}

void TestDiskFile::readRefuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = kind.startsWith(u'/') ? kind : dir.filePath(kind);
    if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(kind));
    } else if (kind == u"fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(largestDocument + 1)); // sparse: no time, no disk
    }

    QByteArray bytes("untouched");
    DiskFailure failure;
    QVERIFY(!readWholeFile(path, &bytes, &failure));
    QVERIFY2(failure.reason.contains(reason), qPrintable(failure.reason));
    QCOMPARE(bytes, QByteArray("untouched"));
}

// Writing goes through a temporary file and a rename, yet the file keeps its
// permissions, and a symbolic link stays a link to the file it named.
void TestDiskFile::writeKeepsModeAndLink()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(u"page.html"_s);
    const QString link = dir.filePath(u"link.html"_s);
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
    QVERIFY(file.setPermissions(mode));
    QVERIFY(QFile::link(target, link));

    DiskFailure failure;
    QVERIFY(writeFileSafely(link, "new", &failure));
    QVERIFY(QFileInfo(link).isSymLink());
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("new"));
    QCOMPARE(QFileInfo(target).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                | QFile::WriteOther | QFile::ExeOther | QFile::ReadGroup
                                                | QFile::WriteGroup | QFile::ExeGroup),
             mode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}

void TestDiskFile::hostileSaveTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("reason");

    QTest::addRow("a pipe is refused and stays a pipe") << "fifo" << false << u"通常のファイルではありません"_s;
    QTest::addRow("a device node is refused and stays a device") << "device" << false << u"通常のファイルではありません"_s;
    QTest::addRow("a socket is refused and stays a socket") << "socket" << false << u"通常のファイルではありません"_s;
    QTest::addRow("a symbolic link keeps naming the file it names") << "symlink" << true << QString();
    QTest::addRow("a second hard link sees the new text") << "hardlink" << true << QString();
    QTest::addRow("a 0444 file saved by root stays 0444") << "readonly" << true << QString();
    QTest::addRow("setuid, setgid and sticky bits stay") << "special" << true << QString();
    QTest::addRow("a setgid file of a foreign group keeps both") << "setgid-foreign" << true << QString();
    QTest::addRow("a foreign owner and group stay") << "foreign" << true << QString();
    QTest::addRow("extended attributes stay") << "xattr" << true << QString();
    QTest::addRow("an ACL stays") << "acl" << true << QString();
    QTest::addRow("a hard-linked file with an ACL keeps both") << "hardlink-acl" << true << QString();
    QTest::addRow("into a missing folder nothing is made") << "missing" << false << u"見つかりません"_s;
    QTest::addRow("a folder is refused") << "folder" << false << u"フォルダーです"_s;
}

// Each target is made, saved onto and looked at again: a refused one is what
// it was, with its bytes; a saved one holds the new bytes and is otherwise
// the same file to everyone (type, mode, owner, group, links, attributes),
// and no temporary or backup file is left beside it.
void TestDiskFile::hostileSaveTargets()
{
    QFETCH(QString, kind);
    QFETCH(bool, saved);
    QFETCH(QString, reason);

    const bool root = ::geteuid() == 0;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"page.html"_s);
    const QByteArray name = QFile::encodeName(file);
    const QByteArray oldBytes = "<p>old text, longer than the new</p>\r\n";
    const QByteArray newBytes = "<p>new</p>\r\n";
    QString target = file;
    QString otherLink;

    const auto regular = [&](mode_t mode) {
        putBytes(file, oldBytes);
        QCOMPARE(::chmod(name.constData(), mode), 0);
    };
    const auto setfacl = [&] {
        if (QProcess::execute(u"setfacl"_s, {u"-m"_s, u"u:12345:rw,g:54321:r"_s, file}) != 0)
            QSKIP("setfacl (package acl) is needed");
    };
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (kind == u"device") {
        if (!root)
            QSKIP("making a device node needs root");
        QCOMPARE(::mknod(name.constData(), S_IFCHR | 0644, makedev(1, 3)), 0);
    } else if (kind == u"socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
    } else if (kind == u"symlink") {
        regular(0640);
        target = dir.filePath(u"link.html"_s);
        QVERIFY(QFile::link(file, target));
    } else if (kind == u"hardlink" || kind == u"hardlink-acl") {
        regular(0640);
        otherLink = dir.filePath(u"other.html"_s);
        QCOMPARE(::link(name.constData(), QFile::encodeName(otherLink).constData()), 0);
        if (kind == u"hardlink-acl")
            setfacl();
    } else if (kind == u"readonly") {
        if (!root)
            QSKIP("only root may write a 0444 file");
        regular(0444);
    } else if (kind == u"special") {
        regular(07755);
    } else if (kind == u"setgid-foreign" || kind == u"foreign") {
        if (!root)
            QSKIP("giving a file a foreign owner or group needs root");
        regular(kind == u"foreign" ? 0664 : 02775);
        QCOMPARE(::chown(name.constData(), kind == u"foreign" ? 12345 : uid_t(-1), 54321), 0);
        QCOMPARE(::chmod(name.constData(), kind == u"foreign" ? 0664 : 02775), 0);
    } else if (kind == u"xattr") {
        regular(0644);
        if (::setxattr(name.constData(), "user.origin", "tagpot test", 11, 0) != 0)
            QSKIP("this file system keeps no user attributes");
    } else if (kind == u"acl") {
        regular(0640);
        setfacl();
    } else if (kind == u"missing") {
        target = dir.filePath(u"missing/page.html"_s);
    } else if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(u"page.html"_s));
    }

    const Identity before = identityOf(file);
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    DiskFailure failure;
    QCOMPARE(writeFileSafely(target, newBytes, &failure), saved);
    QVERIFY2(failure.reason.contains(reason), qPrintable(failure.reason));
    QCOMPARE(identityOf(file), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), entries);
    if (before.type == S_IFREG)
        QCOMPARE(bytesOf(file), saved ? newBytes : oldBytes);
    if (!otherLink.isEmpty())
        QCOMPARE(bytesOf(otherLink), newBytes);
    if (target != file && QFile::exists(target))
        QVERIFY(QFileInfo(target).isSymLink());
}

// A user who may not write a file is told so in Japanese, and the file stays.
// Run as another user in a child process: root may write anything.
void TestDiskFile::readOnlyRefusedInJapanese()
{
    if (::geteuid() != 0)
        QSKIP("needs root to become another user");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString file = dir.filePath(u"page.html"_s);
    putBytes(file, "old");
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0644), 0);

    int pipeEnds[2];
    QCOMPARE(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        DiskFailure failure;
        const bool written = writeFileSafely(file, "new", &failure);
        const QByteArray reason = failure.reason.toUtf8();
        const bool sent = ::write(pipeEnds[1], reason.constData(), size_t(reason.size())) == reason.size();
        ::_exit(written ? 1 : sent ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    QByteArray reason;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY2(QString::fromUtf8(reason).contains(u"書き込みは許可されていません"_s), reason.constData());
    QCOMPARE(bytesOf(file), QByteArray("old"));
}

void TestDiskFile::nonUtf8NamesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("fileName");

    QTest::addRow("Shift_JIS katakana") << QByteArray("\x83\x65\x83\x58\x83\x67.html");
    QTest::addRow("EUC-JP kanji") << QByteArray("\xC6\xFC\xCB\xDC.txt");
    QTest::addRow("a lone byte of Latin-1") << QByteArray("caf\xE9.html");
    QTest::addRow("UTF-8 with a stray byte after it") << QByteArray("\xE6\x97\xA5\xFF.html");
}

// A name that is not UTF-8 is carried as text and comes back as the same
// bytes: reading, writing in place of the old file, and finding it from the
// name Qt's own conversion gives (U+FFFD for each foreign byte).
void TestDiskFile::nonUtf8NamesRoundTrip()
{
    QFETCH(QByteArray, fileName);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray native = QFile::encodeName(dir.path()) + '/' + fileName;
    {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "old", 3), ssize_t(3));
        ::close(fd);
    }
    // QTemporaryDir cannot remove a name Qt cannot spell.
    const auto removeFile = qScopeGuard([&] { ::unlink(native.constData()); });
    const QString path = pathFromNative(native);
    QCOMPARE(nativePath(path), native);
    QVERIFY(hasEscapedBytes(path));
    QVERIFY(!displayedPath(path).contains(QChar(0xDCFF)));

    QByteArray bytes;
    DiskFailure failure;
    QVERIFY2(readWholeFile(path, &bytes, &failure), qPrintable(failure.reason));
    QCOMPARE(bytes, QByteArray("old"));
    QVERIFY2(writeFileSafely(path, "new", &failure), qPrintable(failure.reason));

    QCOMPARE(recoverNativePath(QFile::decodeName(native)), path);
    const QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QVERIFY2(names.isEmpty(), qPrintable(names.join(u", "))); // Qt lists no such name, and nothing else is there
    QByteArray after;
    QVERIFY(readWholeFile(path, &after, &failure));
    QCOMPARE(after, QByteArray("new"));
}

void TestDiskFile::interruptedWriteInPlaceIsPutRight_data()
{
    QTest::addColumn<SaveStep>("step");
    QTest::addColumn<bool>("mixedWhenKilled");
    QTest::addColumn<SaveRepair::Outcome>("outcome");
    QTest::addColumn<bool>("newBytesStay");
    QTest::addColumn<bool>("atStart");

    for (const bool atStart : {false, true}) {
        const char *when = atStart ? "found at the next start" : "found at the next open of its folder";
        QTest::addRow("killed once the copy is kept, %s: the file is as it was", when)
            << SaveStep::OldBytesKept << false << SaveRepair::Outcome::OldKept << false << atStart;
        QTest::addRow("killed half way through the new bytes, %s: the old bytes are put back", when)
            << SaveStep::Writing << true << SaveRepair::Outcome::OldPutBack << false << atStart;
        QTest::addRow("killed with every new byte written but not synced, %s: they stay", when)
            << SaveStep::WrittenUnsynced << false << SaveRepair::Outcome::NewKept << true << atStart;
    }
}

// A hard-linked page is written into its own file. A child is killed at a
// chosen step of that write; then what a start or an open does puts the
// file right under both names, and nothing of the save stays behind.
void TestDiskFile::interruptedWriteInPlaceIsPutRight()
{
    QFETCH(SaveStep, step);
    QFETCH(bool, mixedWhenKilled);
    QFETCH(SaveRepair::Outcome, outcome);
    QFETCH(bool, newBytesStay);
    QFETCH(bool, atStart);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"page.html"_s);
    const QString other = dir.filePath(u"other.html"_s);
    const QByteArray oldBytes = QByteArray(300 * 1024, 'o');
    const QByteArray newBytes = QByteArray(200 * 1024, 'n');
    putBytes(file, oldBytes);
    QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()), 0);

    killAt = step;
    const int status = inChild([&] {
        setSaveStepHook([](SaveStep reached) {
            if (reached == killAt)
                ::raise(SIGKILL);
        });
        DiskFailure failure;
        writeFileSafely(file, newBytes, &failure);
        return 0;
    });
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    const QByteArray killed = bytesOf(file);
    QCOMPARE(killed != oldBytes && killed != newBytes, mixedWhenKilled);
    QCOMPARE(entriesOf(dir.path()).size(), 4); // the page, its other name, the copy, the journal

    const QList<SaveRepair> repairs = atStart ? repairInterruptedSaves() : tidyFolder(dir.path());
    QCOMPARE(repairs.size(), 1);
    QCOMPARE(repairs[0].outcome, outcome);
    QCOMPARE(repairs[0].path, file);
    QCOMPARE(bytesOf(file), newBytesStay ? newBytes : oldBytes);
    QCOMPARE(bytesOf(other), bytesOf(file));
    QCOMPARE(entriesOf(dir.path()), QStringList({u"other.html"_s, u"page.html"_s}));
    QCOMPARE(tidyFolder(dir.path()).size(), 0);
}

// A page the user may write in a folder the user may not: written into the
// file itself, its copy and journal in the saves folder. Root writes any
// folder, so the save runs as nobody in a child.
void TestDiskFile::folderNotWritableWritesInPlace()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString home = dir.filePath(u"home"_s);
    const QString folder = dir.filePath(u"locked"_s);
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(folder));
    const QString file = folder + u"/page.html"_s;
    putBytes(file, "old");
    const auto modes = {std::pair{dir.path(), 0755}, {home, 0777}, {file, 0666}, {folder, 0555}};
    for (const auto &[path, mode] : modes)
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0755); });
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &before), 0);

    for (const SaveStep step : {SaveStep::Writing, SaveStep(-1)}) {
        killAt = step;
        const int status = inChild([&] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 2;
            ::setenv("HOME", QFile::encodeName(home).constData(), 1);
            setSaveStepHook([](SaveStep reached) {
                if (reached == killAt)
                    ::raise(SIGKILL);
            });
            DiskFailure failure;
            if (killAt == SaveStep::Writing)
                return writeFileSafely(file, QByteArray(64, 'm'), &failure) ? 1 : 3;
            // A save killed meanwhile is put right at the start, from the saves folder.
            const QList<SaveRepair> repairs = repairInterruptedSaves();
            if (repairs.size() != 1 || repairs[0].outcome != SaveRepair::Outcome::OldPutBack || bytesOf(file) != "old")
                return 4;
            if (!writeFileSafely(file, "new", &failure)) {
                qWarning("%s", qPrintable(failure.reason));
                return 5;
            }
            return entriesOf(savesFolder()).isEmpty() ? 0 : 6;
        });
        if (step == SaveStep::Writing) {
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, qPrintable(QString::number(status)));
        } else {
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
    }
    QCOMPARE(bytesOf(file), QByteArray("new"));
    struct stat after;
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(entriesOf(folder), QStringList{u"page.html"_s});
}

void TestDiskFile::longestNamesSave_data()
{
    QTest::addColumn<QString>("kind");

    QTest::addRow("a new file") << "new";
    QTest::addRow("replacing a file through a new one") << "replace";
    QTest::addRow("a hard-linked file, written in place") << "hardlink";
}

// 250 bytes of name, near what the file system allows, leave no room for
// a temporary name made from it.
void TestDiskFile::longestNamesSave()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = QString(81, QChar(u'あ')) + u"ab.html"_s;
    QCOMPARE(name.toUtf8().size(), 250);
    const QString file = dir.filePath(name);
    if (kind != u"new")
        putBytes(file, "old");
    if (kind == u"hardlink")
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(dir.filePath(u"other"_s)).constData()), 0);

    DiskFailure failure;
    QVERIFY2(writeFileSafely(file, "new", &failure), qPrintable(failure.reason));
    QCOMPARE(bytesOf(file), QByteArray("new"));
    QCOMPARE(entriesOf(dir.path()).size(), kind == u"hardlink" ? 2 : 1);
}

void TestDiskFile::leftoversOfKilledSaves_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");

    QTest::addRow("new bytes a killed save never renamed go") << "new" << true;
    QTest::addRow("a copy whose journal is gone goes") << "copy" << true;
    QTest::addRow("new bytes a running save holds stay") << "held" << false;
    QTest::addRow("an empty file just made, not yet locked, stays") << "fresh" << false;
    QTest::addRow("a symbolic link of such a name stays, its target untouched") << "symlink" << false;
    QTest::addRow("a file of such a name with a second link stays") << "linked" << false;
    QTest::addRow("a name of another shape stays") << "foreign" << false;
}

// Opening a page tidies its folder of what killed saves left, and of nothing else.
void TestDiskFile::leftoversOfKilledSaves()
{
    QFETCH(QString, kind);
    QFETCH(bool, removed);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString outside = dir.filePath(u"outside.html"_s);
    putBytes(outside, "outside");
    const QString page = dir.filePath(u"page.html"_s);
    putBytes(page, "page");
    QString name = u".tagpot-k3x9-n"_s;
    if (kind == u"copy")
        name = u".tagpot-k3x9-o"_s;
    else if (kind == u"foreign")
        name = u".tagpot-K3X9-n"_s;
    const QString leftover = dir.filePath(name);
    const QByteArray native = QFile::encodeName(leftover);
    if (kind == u"symlink") {
        QVERIFY(QFile::link(outside, leftover));
    } else if (kind != u"fresh") {
        putBytes(leftover, "half written");
    } else {
        putBytes(leftover, {});
    }
    if (kind == u"linked")
        QCOMPARE(::link(native.constData(), QFile::encodeName(dir.filePath(u"second"_s)).constData()), 0);
    Descriptor held;
    if (kind == u"held") {
        held.reset(::open(native.constData(), O_RDONLY));
        QCOMPARE(::flock(held.get(), LOCK_EX), 0);
    }
    if (kind != u"fresh" && kind != u"symlink") {
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, native.constData(), hourAgo, 0), 0);
    }
    const QStringList before = entriesOf(dir.path());

    QCOMPARE(tidyFolder(dir.path()).size(), 0);
    QStringList expected = before;
    if (removed)
        expected.removeOne(name);
    QCOMPARE(entriesOf(dir.path()), expected);
    QCOMPARE(bytesOf(outside), QByteArray("outside"));
    QCOMPARE(bytesOf(page), QByteArray("page"));
}

QTEST_APPLESS_MAIN(TestDiskFile)
#include "tst_diskfile.moc"
