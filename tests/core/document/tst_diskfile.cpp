// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/diskfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestDiskFile : public QObject
{
    Q_OBJECT

private slots:
    void readRefuses_data();
    void readRefuses();
    void writeKeepsModeAndLink();
};

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

QTEST_APPLESS_MAIN(TestDiskFile)
#include "tst_diskfile.moc"
