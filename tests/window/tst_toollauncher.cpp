// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/optiontools.h"
#include "window/toollauncher.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestToolLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void probeEnablesFoundTools_data();
    void probeEnablesFoundTools();
    void launchStartsWithoutWaiting_data();
    void launchStartsWithoutWaiting();
    void failedLaunchIsReported_data();
    void failedLaunchIsReported();

private:
    // Makes programDir/relativePath (with its folders) holding contents.
    void makeFile(const QString &relativePath, const QByteArray &contents, bool executable);
    void startLauncher();
    QAction *action(int index) const { return m_actions[index]; }
    QString programDir() const { return m_programDir->path(); }

    std::unique_ptr<QTemporaryDir> m_programDir;
    std::unique_ptr<QMainWindow> m_window;
    std::array<QAction *, 3> m_actions{};
};

void TestToolLauncher::init()
{
    m_programDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_programDir->isValid());
    m_window = std::make_unique<QMainWindow>();
    m_window->statusBar();
    for (int index = 0; index < 3; ++index) {
        m_actions[index] = new QAction(optionTools[index].caption.toString(), m_window.get());
        m_actions[index]->setObjectName(optionTools[index].actionName.toString());
        m_actions[index]->setEnabled(false);
    }
}

void TestToolLauncher::cleanup()
{
    m_window.reset();
    m_programDir.reset();
}

void TestToolLauncher::makeFile(const QString &relativePath, const QByteArray &contents, bool executable)
{
    const QString path = programDir() + u'/' + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(contents);
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

void TestToolLauncher::startLauncher()
{
    new ToolLauncher(m_window.get(), m_window->statusBar(), m_actions[0], m_actions[1], m_actions[2], programDir());
}

void TestToolLauncher::probeEnablesFoundTools_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QList<bool>>("enabled");

    const QStringList none;
    QTest::addRow("no tool installed") << none << none << none << QList<bool>{false, false, false};
    QTest::addRow("only FNK/Fennick.exe") << QStringList{u"FNK/Fennick.exe"_s} << none << none
                                          << QList<bool>{false, true, false};
    QTest::addRow("all three installed")
        << QStringList{u"ポルカ/ポルカ.exe"_s, u"FNK/Fennick.exe"_s, u"TMS/Tamsel.exe"_s} << none << none
        << QList<bool>{true, true, true};
    QTest::addRow("Fennick.exe directly in the program folder does not count")
        << QStringList{u"Fennick.exe"_s} << none << none << QList<bool>{false, false, false};
    QTest::addRow("Fennick.exe in another tool's folder does not count")
        << QStringList{u"TMS/Fennick.exe"_s} << none << none << QList<bool>{false, false, false};
    QTest::addRow("the folders alone do not count")
        << none << none << QStringList{u"ポルカ"_s, u"FNK"_s, u"TMS"_s} << QList<bool>{false, false, false};
    QTest::addRow("a folder named Fennick.exe does not count")
        << none << none << QStringList{u"FNK/Fennick.exe"_s} << QList<bool>{false, false, false};
#ifndef Q_OS_WIN
    QTest::addRow("an executable Tamsel without .exe counts")
        << none << QStringList{u"TMS/Tamsel"_s} << none << QList<bool>{false, false, true};
    QTest::addRow("a Tamsel without .exe that cannot be executed does not count")
        << QStringList{u"TMS/Tamsel"_s} << none << none << QList<bool>{false, false, false};
#endif
}

void TestToolLauncher::probeEnablesFoundTools()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, programs);
    QFETCH(QStringList, folders);
    QFETCH(QList<bool>, enabled);

    for (const QString &file : files)
        makeFile(file, "tool", false);
    for (const QString &program : programs)
        makeFile(program, "#!/bin/sh\n", true);
    for (const QString &folder : folders)
        QVERIFY(QDir(programDir()).mkpath(folder));

    startLauncher();

    for (int index = 0; index < 3; ++index)
        QVERIFY2(action(index)->isEnabled() == enabled[index], qPrintable(action(index)->objectName()));
}

static int lineCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count('\n'));
}

void TestToolLauncher::launchStartsWithoutWaiting_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("file");

    QTest::addRow("Fennick as FNK/Fennick.exe") << 1 << u"FNK/Fennick.exe"_s;
    QTest::addRow("ポルカ in its own folder") << 0 << u"ポルカ/ポルカ.exe"_s;
#ifndef Q_OS_WIN
    QTest::addRow("Tamsel as an executable without .exe") << 2 << u"TMS/Tamsel"_s;
#endif
}

void TestToolLauncher::launchStartsWithoutWaiting()
{
    QFETCH(int, tool);
    QFETCH(QString, file);

    // The tool notes that it started, with its arguments, then stays until
    // released (or half a minute passed) and notes that it ended.
    QTemporaryDir marks;
    QVERIFY(marks.isValid());
    const QString started = marks.filePath(u"started"_s);
    const QString release = marks.filePath(u"release"_s);
    const QString finished = marks.filePath(u"finished"_s);
    const QByteArray script = "#!/bin/sh\n"
                              "echo \"$#\" >> '" + started.toUtf8() + "'\n"
                              "i=0\n"
                              "while [ ! -e '" + release.toUtf8() + "' ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n"
                              "echo done >> '" + finished.toUtf8() + "'\n";
    makeFile(file, script, true);
    startLauncher();
    QVERIFY(action(tool)->isEnabled());

    action(tool)->trigger();
    QVERIFY2(!QFile::exists(finished), "the launch waited for the tool to end");
    action(tool)->trigger();
    QVERIFY2(!QFile::exists(finished), "the launch waited for the tool to end");

    QTRY_COMPARE(lineCount(started), 2);
    QFile startedFile(started);
    QVERIFY(startedFile.open(QIODevice::ReadOnly));
    QCOMPARE(startedFile.readAll(), QByteArray("0\n0\n"));
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());

    QFile releaseFile(release);
    QVERIFY(releaseFile.open(QIODevice::WriteOnly));
    releaseFile.close();
    QTRY_COMPARE(lineCount(finished), 2);
}

void TestToolLauncher::failedLaunchIsReported_data()
{
    QTest::addColumn<bool>("removedAfterStart");
    QTest::addColumn<QString>("message");

    QTest::addRow("the tool was removed after start-up")
        << true << u"「Fennick」が見つかりません（%1/FNK/Fennick.exe）"_s;
    QTest::addRow("the tool's file cannot be executed")
        << false << u"「Fennick」を起動できませんでした（%1/FNK/Fennick.exe）"_s;
}

void TestToolLauncher::failedLaunchIsReported()
{
    QFETCH(bool, removedAfterStart);
    QFETCH(QString, message);

    makeFile(u"FNK/Fennick.exe"_s, "not a program", false);
    startLauncher();
    QVERIFY(action(1)->isEnabled());
    if (removedAfterStart)
        QVERIFY(QFile::remove(programDir() + u"/FNK/Fennick.exe"_s));

    action(1)->trigger();

    QCOMPARE(m_window->statusBar()->currentMessage(), message.arg(programDir()));
    QVERIFY(action(1)->isEnabled());
}

QTEST_MAIN(TestToolLauncher)
#include "tst_toollauncher.moc"
