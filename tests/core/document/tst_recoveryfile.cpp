// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/recoveryfile.h"

#include "core/document/filemessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestRecoveryFile : public QObject
{
    Q_OBJECT

private slots:
    void recordRoundTrips();
    void plantedFolder_data();
    void plantedFolder();
    void plantedFolderNeverChangesWhatIsOutside_data();
    void plantedFolderNeverChangesWhatIsOutside();
    void readOnlyFolderStillOffers();
    void recordedPathCannotAddLines();
};

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(native(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

RecoveryRecord record(const QString &text, int minute)
{
    return {u"/site/page.html"_s, {}, QDateTime(QDate(2026, 1, 2), QTime(3, minute), Qt::UTC), text};
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

void TestRecoveryFile::recordRoundTrips()
{
    const RecoveryRecord kept = record(u"<p>本文\n\n二行目</p>"_s, 4);
    QCOMPARE(parseRecovery(recoveryBytes(kept)), kept);
    const QByteArray bytes = recoveryBytes(kept);
    QVERIFY(!parseRecovery(bytes.chopped(1)));
}

void TestRecoveryFile::plantedFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("offered");     // the text offered back, or nothing
    QTest::addColumn<QString>("broken");      // the reason a file is offered for deletion
    QTest::addColumn<QString>("distrusted");  // the reason a file is left alone
    QTest::addColumn<QStringList>("left");    // what stays in the folder

    const QStringList both{u"a.lock"_s, u"a.recovery"_s};
    QTest::addRow("a whole record is offered") << "plain" << "old" << "" << "" << both;
    QTest::addRow("a newer whole replacement wins and takes the record's place")
        << "newer-tmp" << "new" << "" << "" << both;
    QTest::addRow("an older replacement goes") << "older-tmp" << "old" << "" << "" << both;
    QTest::addRow("a replacement alone, whole, is offered") << "lone-tmp" << "new" << "" << "" << both;
    QTest::addRow("a replacement alone, cut off, goes and nothing is offered")
        << "lone-cut-tmp" << "" << "" << "" << QStringList();
    QTest::addRow("a record cut off is offered for deletion") << "cut" << "" << u"正しくありません"_s << "" << both;
    QTest::addRow("a binary file is offered for deletion") << "binary" << "" << u"正しくありません"_s << "" << both;
    QTest::addRow("a pipe named as a record is left alone, unread") << "fifo" << "" << "" << u"通常のファイルではありません"_s
                                                                      << both;
}

// What survey() makes of each planted folder, and what it leaves there.
void TestRecoveryFile::plantedFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, offered);
    QFETCH(QString, broken);
    QFETCH(QString, distrusted);
    QFETCH(QStringList, left);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"state"_s);
    QString reason;
    QVERIFY(makePrivateFolder(folder, &reason));
    const QString file = folder + u"/a.recovery"_s;
    const QByteArray oldRecord = recoveryBytes(record(u"old"_s, 1));
    const QByteArray newRecord = recoveryBytes(record(u"new"_s, 2));
    if (kind == u"plain" || kind == u"newer-tmp") {
        putBytes(file, oldRecord);
        if (kind == u"newer-tmp")
            putBytes(file + u".tmp", newRecord);
    } else if (kind == u"older-tmp") {
        putBytes(file, oldRecord);
        putBytes(file + u".tmp", recoveryBytes(record(u"older"_s, 0)));
    } else if (kind == u"lone-tmp") {
        putBytes(file + u".tmp", newRecord);
    } else if (kind == u"lone-cut-tmp") {
        putBytes(file + u".tmp", newRecord.chopped(3));
    } else if (kind == u"cut") {
        putBytes(file, oldRecord.chopped(3));
    } else if (kind == u"binary") {
        putBytes(file, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(native(file).constData(), 0600), 0);
    }

    RecoveryFolder found = OrphanRecovery::survey(folder);
    QVERIFY2(found.folderProblem.isEmpty(), qPrintable(found.folderProblem));
    QCOMPARE(found.orphans.size(), size_t(offered.isEmpty() ? 0 : 1));
    if (!offered.isEmpty()) {
        QCOMPARE(found.orphans[0].record().text, offered);
        QCOMPARE(parseRecovery(bytesOf(file))->text, offered);
    }
    QCOMPARE(found.broken.size(), size_t(broken.isEmpty() ? 0 : 1));
    if (!broken.isEmpty())
        QVERIFY2(found.broken[0].problem().contains(broken), qPrintable(found.broken[0].problem()));
    QCOMPARE(found.distrusted.size(), distrusted.isEmpty() ? 0 : 1);
    if (!distrusted.isEmpty())
        QVERIFY2(found.distrusted[0].reason.contains(distrusted), qPrintable(found.distrusted[0].reason));
    found = {};
    QCOMPARE(entriesOf(folder), left);
}

void TestRecoveryFile::plantedFolderNeverChangesWhatIsOutside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::addRow("a lock that is a symbolic link to a file outside") << "symlink-lock" << u"シンボリックリンク"_s;
    QTest::addRow("a lock that is a second name of a file outside") << "hardlink-lock" << u"ハードリンク"_s;
    QTest::addRow("a lock that is a dangling link") << "dangling-lock" << u"シンボリックリンク"_s;
    QTest::addRow("a record that is a symbolic link to a file outside") << "symlink-record" << u"シンボリックリンク"_s;
    QTest::addRow("a record that is a second name of a file outside") << "hardlink-record" << u"ハードリンク"_s;
    QTest::addRow("a replacement that is a symbolic link to a file outside") << "symlink-tmp" << u"シンボリックリンク"_s;
    QTest::addRow("the folder a symbolic link to a folder outside") << "folder-symlink" << u"シンボリックリンク"_s;
    QTest::addRow("the folder a file") << "folder-file" << u"フォルダーではありません"_s;
}

// Links and second names planted in the recovery folder are neither
// followed, nor read, nor given another mode, nor created; the recovery
// folder is written only where it is a real folder.
void TestRecoveryFile::plantedFolderNeverChangesWhatIsOutside()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString outside = dir.filePath(u"outside.html"_s);
    const QByteArray outsideBytes = recoveryBytes(record(u"outside"_s, 5));
    putBytes(outside, outsideBytes);
    QCOMPARE(::chmod(native(outside).constData(), 0644), 0);
    const QString outsideFolder = dir.filePath(u"elsewhere"_s);
    QVERIFY(QDir().mkpath(outsideFolder));
    QCOMPARE(::chmod(native(outsideFolder).constData(), 0755), 0);
    const QString missing = dir.filePath(u"missing"_s);
    const QString folder = dir.filePath(u"state"_s);
    QString made;
    if (kind == u"folder-symlink") {
        QVERIFY(QFile::link(outsideFolder, folder));
        putBytes(outsideFolder + u"/a.recovery"_s, outsideBytes);
    } else if (kind == u"folder-file") {
        putBytes(folder, "a file");
    } else {
        QVERIFY(makePrivateFolder(folder, &made));
        const QString lock = folder + u"/a.lock"_s;
        const QString record = folder + u"/a.recovery"_s;
        if (!kind.endsWith(u"-record"))
            putBytes(record, recoveryBytes(::record(u"ours"_s, 1)));
        if (kind == u"symlink-lock")
            QVERIFY(QFile::link(outside, lock));
        else if (kind == u"hardlink-lock")
            QCOMPARE(::link(native(outside).constData(), native(lock).constData()), 0);
        else if (kind == u"dangling-lock")
            QVERIFY(QFile::link(missing, lock));
        else if (kind == u"symlink-record")
            QVERIFY(QFile::link(outside, record));
        else if (kind == u"hardlink-record")
            QCOMPARE(::link(native(outside).constData(), native(record).constData()), 0);
        else if (kind == u"symlink-tmp")
            QVERIFY(QFile::link(outside, record + u".tmp"_s));
    }
    const QStringList outsideEntries = entriesOf(outsideFolder);

    {
        RecoveryFolder found = OrphanRecovery::survey(folder);
        QVERIFY(found.orphans.empty());
        QVERIFY(found.broken.empty());
        const QString said = found.folderProblem.isEmpty() && !found.distrusted.isEmpty() ? found.distrusted[0].reason
                                                                                         : found.folderProblem;
        QVERIFY2(said.contains(reason), qPrintable(said));
        QCOMPARE(found.distrusted.size(), found.folderProblem.isEmpty() ? 1 : 0);
    }
    // Writing a recovery file of its own there either works inside the
    // folder or fails with a reason in Japanese.
    {
        RecoveryFile own(folder);
        QString why;
        const bool written = own.write(record(u"mine"_s, 9), &why);
        QCOMPARE(written, !kind.startsWith(u"folder"));
        if (!written)
            QVERIFY2(why.contains(reason), qPrintable(why));
        else
            QVERIFY(own.filePath().startsWith(folder + u'/'));
    }

    QCOMPARE(bytesOf(outside), outsideBytes);
    QCOMPARE(modeOf(outside), mode_t(0644));
    QCOMPARE(modeOf(outsideFolder), mode_t(0755));
    QCOMPARE(entriesOf(outsideFolder), outsideEntries);
    QVERIFY(!QFileInfo::exists(missing));
    if (kind == u"folder-file")
        QCOMPARE(bytesOf(folder), QByteArray("a file"));
}

// A folder the user may no longer write still offers what it holds, though
// no lock can be made there. Root may write any folder: the survey runs as
// nobody in a child then.
void TestRecoveryFile::readOnlyFolderStillOffers()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(::chmod(native(dir.path()).constData(), 0755), 0);
    const QString folder = dir.filePath(u"state"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + u"/a.recovery"_s;
    putBytes(file, recoveryBytes(record(u"kept"_s, 1)));
    const bool root = ::geteuid() == 0;
    if (root) {
        QCOMPARE(::chown(native(file).constData(), 65534, 65534), 0);
        QCOMPARE(::chown(native(folder).constData(), 65534, 65534), 0);
    }
    QCOMPARE(::chmod(native(file).constData(), 0600), 0);
    QCOMPARE(::chmod(native(folder).constData(), 0500), 0);
    const auto restore = qScopeGuard([&] { ::chmod(native(folder).constData(), 0700); });

    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const RecoveryFolder found = OrphanRecovery::survey(folder);
        if (!found.folderProblem.isEmpty() || !found.distrusted.isEmpty() || !found.broken.empty())
            ::_exit(3);
        ::_exit(found.orphans.size() == 1 && found.orphans[0].record().text == u"kept" ? 0 : 4);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(entriesOf(folder), QStringList{u"a.recovery"_s});
}

// A file name may hold line ends; in the restore question it cannot start
// lines of its own that would read as the program's words.
void TestRecoveryFile::recordedPathCannotAddLines()
{
    RecoveryRecord plain = record(u"text"_s, 1);
    RecoveryRecord planted = plain;
    planted.path = u"/site/a\n\n復元しても何も起きません。\r\nb.html"_s;
    const RecoveryRecord read = *parseRecovery(recoveryBytes(planted));
    QCOMPARE(read.path, planted.path);
    const QString question = restoreQuestion(read);
    QCOMPARE(question.count(u'\n'), restoreQuestion(plain).count(u'\n'));
    QVERIFY(!question.contains(u'\r'));
    QVERIFY2(question.contains(u"a\u240A\u240A復元しても何も起きません。\u240D\u240Ab.html"_s), qPrintable(question));
}

QTEST_APPLESS_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
