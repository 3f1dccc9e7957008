// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include "core/document/nativepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestDiskFile : public QObject
{
    Q_OBJECT

private slots:
    void readRefuses_data();
    void readRefuses();
    void writeKeepsModeAndLink();
    void hostileSaveTargets_data();
    void hostileSaveTargets();
    void nonUtf8NamesRoundTrip_data();
    void nonUtf8NamesRoundTrip();
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

} // namespace

void TestDiskFile::readRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::addRow("a missing file") << "missing" << u"見つかりません"_s;
    QTest::addRow("a folder") << "folder" << u"フォルダー"_s;
    QTest::addRow("a pipe, which would never end") << "fifo" << u"通常のファイルではありません"_s;
    QTest::addRow("a file beyond the largest document") << "huge" << u"大きすぎます"_s;
}

void TestDiskFile::readRefuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kind);
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

QTEST_APPLESS_MAIN(TestDiskFile)
#include "tst_diskfile.moc"
