// SPDX-License-Identifier: GPL-3.0-or-later
//
// What survives when the running program is killed, signalled or limited:
// each case runs the real start-up and window in a child program
// (tagpot_testchild) whose state folder is a temporary one.

#include "filebytes.h"
#include "core/document/nativepath.h"
#include "core/document/recoveryfile.h"
#include "core/document/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::stat(nativePath(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QByteArray oneLine(const QString &text)
{
    return text.toUtf8().replace('\\', "\\\\").replace('\n', "\\n");
}

// The child program with its own state and settings folders, a umask that
// would make every file public, and optionally a file size limit.
class Child
{
public:
    Child(const QString &home, qint64 sizeLimit = -1)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_STATE_HOME"_s, home + u"/state"_s);
        environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/config"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The child keeps the default SIGXFSZ disposition it inherits: only
        // the program's own start-up may change it.
        m_process.setChildProcessModifier([sizeLimit] {
            ::umask(0);
            std::signal(SIGXFSZ, SIG_DFL);
            if (sizeLimit >= 0) {
                const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
        });
    }

    ~Child()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    void start(const QList<QByteArray> &arguments)
    {
        QStringList texts;
        for (const QByteArray &argument : arguments)
            texts << QString::fromUtf8(argument);
        m_process.setProgram(QStringLiteral(TAGPOT_TEST_CHILD));
        m_process.setArguments(texts);
        m_process.start();
    }

    // The next output line starting with prefix; lines before it are kept.
    QByteArray waitForLine(const QByteArray &prefix)
    {
        for (;;) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().chopped(1);
                m_lines << line;
                if (line.startsWith(prefix))
                    return line;
            }
            if (!m_process.waitForReadyRead(60000))
                return QByteArray("(no line starting with ") + prefix + ")";
        }
    }

    bool finish()
    {
        if (!m_process.waitForFinished(60000))
            return false;
        while (m_process.canReadLine())
            m_lines << m_process.readLine().chopped(1);
        m_lines << m_process.readAll();
        return true;
    }

    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }
    const QList<QByteArray> &lines() const { return m_lines; }

    QByteArray lineStarting(const QByteArray &prefix) const
    {
        for (const QByteArray &line : m_lines) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        return "(missing " + prefix + ")";
    }

private:
    QProcess m_process;
    QList<QByteArray> m_lines;
};

// Runs the child with arguments as bytes, which QProcess cannot pass (it
// encodes QStrings), and returns its output once it has ended.
QByteArray runWithRawArguments(const QString &home, const QList<QByteArray> &arguments, int *status)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const QByteArray state = QFile::encodeName(home + u"/state"_s);
    const QByteArray config = QFile::encodeName(home + u"/config"_s);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::setenv("XDG_STATE_HOME", state.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", config.constData(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::vector<char *> argv{const_cast<char *>(TAGPOT_TEST_CHILD)};
        for (const QByteArray &argument : arguments)
            argv.push_back(const_cast<char *>(argument.constData()));
        argv.push_back(nullptr);
        ::execv(TAGPOT_TEST_CHILD, argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, n);
    ::close(pipeEnds[0]);
    ::waitpid(child, status, 0);
    return output;
}

QStringList recoveryFiles(const QString &folder)
{
    return QDir(folder).entryList({u"*.recovery"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestSurvival : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unsavedTextSurvivesTheEnd_data();
    void unsavedTextSurvivesTheEnd();
    void runningProgramsKeepTheirRecovery();
    void fileSizeLimitFailsLikeAFullDisk_data();
    void fileSizeLimitFailsLikeAFullDisk();
    void commandLineNameThatIsNotUtf8();
    void killedSaveIsPutRightAtStart_data();
    void killedSaveIsPutRightAtStart();

private:
    QString stateFolder() const { return m_home->path() + u"/state/tagpot"_s; }

    std::unique_ptr<QTemporaryDir> m_home;
};

void TestSurvival::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

void TestSurvival::cleanup()
{
    m_home.reset();
}

void TestSurvival::unsavedTextSurvivesTheEnd_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("signalNumber");

    QTest::addRow("killed with SIGKILL after a recovery file was written") << QByteArray("keep") << SIGKILL;
    QTest::addRow("ended with SIGTERM before any recovery file was written") << QByteArray("hold") << SIGTERM;
    QTest::addRow("hung up with SIGHUP") << QByteArray("hold") << SIGHUP;
    QTest::addRow("interrupted with SIGINT") << QByteArray("hold") << SIGINT;
}

// An edit, then the end of the program without a save: the next start offers
// the text back with its file and format, unsaved, and then nothing is left
// in the state folder. The file itself is never touched.
void TestSurvival::unsavedTextSurvivesTheEnd()
{
    QFETCH(QByteArray, command);
    QFETCH(int, signalNumber);

    const QString page = m_home->filePath(u"page.html"_s);
    const QByteArray bytes = fixture(u"sjis_crlf.html"_s);
    writeBytes(page, bytes);
    const QString added = u"<!-- 追加した行 -->\n"_s;

    {
        Child running(m_home->path());
        running.start({command, QFile::encodeName(page), added.toUtf8()});
        const QByteArray awaited = command == "keep" ? "written" : "ready";
        QCOMPARE(running.waitForLine(awaited), awaited);
        QCOMPARE(::kill(pid_t(running.pid()), signalNumber), 0);
        QVERIFY(running.finish());
        if (signalNumber == SIGKILL) {
            QCOMPARE(running.process().exitStatus(), QProcess::CrashExit);
        } else {
            // Ended cleanly, after writing the recovery file.
            QCOMPARE(running.process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(running.process().exitCode(), 0);
            QVERIFY(running.lines().contains("ended"));
            // Nobody is asked: the recovery file holds the edit.
            QVERIFY(!running.lines().contains("asked to save"));
        }
    }

    // Private whatever the umask was.
    QCOMPARE(modeOf(stateFolder()), mode_t(0700));
    const QStringList files = recoveryFiles(stateFolder());
    QCOMPARE(files.size(), 1);
    QCOMPARE(modeOf(stateFolder() + u'/' + files[0]), mode_t(0600));
    QCOMPARE(readBytes(page), bytes);

    Child next(m_home->path());
    next.start({"restore"});
    QVERIFY(next.finish());
    QCOMPARE(next.process().exitCode(), 0);
    const QByteArray question = next.lineStarting("question ");
    QVERIFY2(question.contains(page.toUtf8()), question.constData());
    QVERIFY2(question.contains("Shift_JIS"), question.constData());
    QCOMPARE(next.lineStarting("path "), QFile::encodeName(page).toPercentEncoding("/"));
    QCOMPARE(next.lineStarting("format "), QByteArray("Shift_JIS CRLF"));
    QCOMPARE(next.lineStarting("modified "), QByteArray("yes"));
    QCOMPARE(next.lineStarting("text "), oneLine(added + readText(bytes).text));
    QCOMPARE(recoveryFiles(stateFolder()), QStringList());
    QCOMPARE(readBytes(page), bytes);
}

// A running program's recovery file is never offered to another: not while it
// runs, whatever process ids say, and only once it has ended.
void TestSurvival::runningProgramsKeepTheirRecovery()
{
    const QString page = m_home->filePath(u"page.html"_s);
    writeBytes(page, fixture(u"utf8_lf.html"_s));

    Child running(m_home->path());
    running.start({"keep", QFile::encodeName(page), "<p>running</p>\n"});
    QCOMPARE(running.waitForLine("written"), QByteArray("written"));
    QCOMPARE(recoveryFiles(stateFolder()).size(), 1);
    QVERIFY(OrphanRecovery::claim(stateFolder()).empty());

    Child second(m_home->path());
    second.start({"restore"});
    QVERIFY(second.finish());
    QCOMPARE(second.process().exitCode(), 1); // nothing offered
    QCOMPARE(recoveryFiles(stateFolder()).size(), 1);

    // A file left by a program whose process id is alive (this test's own)
    // but which no longer holds it is an orphan all the same.
    {
        RecoveryFile left(stateFolder());
        QVERIFY(left.write({page, {}, QDateTime::currentDateTimeUtc(), u"left"_s}));
    }
    std::vector<OrphanRecovery> orphans = OrphanRecovery::claim(stateFolder());
    QCOMPARE(orphans.size(), size_t(1));
    QCOMPARE(orphans[0].record().text, u"left"_s);
    orphans.front().discard();

    running.process().kill();
    QVERIFY(running.finish());
    orphans = OrphanRecovery::claim(stateFolder());
    QCOMPARE(orphans.size(), size_t(1));
    QVERIFY(orphans[0].record().text.startsWith(u"<p>running</p>\n"_s));
}

void TestSurvival::fileSizeLimitFailsLikeAFullDisk_data()
{
    QTest::addColumn<bool>("hardLinked");
    QTest::addColumn<QString>("oldFileNote");

    QTest::addRow("an ordinary file, replaced by a new one") << false << u"元のファイルは変更されていません"_s;
    QTest::addRow("a hard-linked file, written in place and put back") << true << u"元の内容を書き戻しました"_s;
}

// Beyond the file size limit the save fails with a message and the program
// lives on: SIGXFSZ, which would kill it mid-save, is ignored by its start-up.
void TestSurvival::fileSizeLimitFailsLikeAFullDisk()
{
    QFETCH(bool, hardLinked);
    QFETCH(QString, oldFileNote);

    const QString page = m_home->filePath(u"page.html"_s);
    // Larger than the journal of a write in place, which the limit must let through.
    const QByteArray bytes = fixture(u"sjis_crlf.html"_s).repeated(8);
    writeBytes(page, bytes);
    if (hardLinked)
        QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(m_home->filePath(u"other.html"_s)).constData()), 0);
    const QStringList entries = QDir(m_home->path()).entryList(QDir::Files | QDir::Hidden);

    // Room for the old bytes and a little more, not for the edit.
    Child limited(m_home->path(), bytes.size() + 8);
    limited.start({"save", QFile::encodeName(page), QByteArray(64, 'x')});
    QVERIFY(limited.finish());
    QCOMPARE(limited.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(limited.process().exitCode(), 0);
    QVERIFY2(limited.lines().contains("failed"), limited.lines().join('\n').constData());
    const QString error = QString::fromUtf8(limited.lineStarting("error "));
    QVERIFY2(error.contains(u"ファイルの大きさの上限を超えました"_s), qPrintable(error));
    QVERIFY2(error.contains(oldFileNote), qPrintable(error));
    QCOMPARE(readBytes(page), bytes);
    QCOMPARE(QDir(m_home->path()).entryList(QDir::Files | QDir::Hidden), entries);
}

// A Shift_JIS name given on the command line opens, and saving writes the
// file of that very name.
void TestSurvival::commandLineNameThatIsNotUtf8()
{
    const QByteArray name = QFile::encodeName(m_home->path()) + "/\x83\x65\x83\x58\x83\x67.html";
    const QByteArray bytes = fixture(u"sjis_crlf.html"_s);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
    const auto removeFile = qScopeGuard([&] { ::unlink(name.constData()); });

    int status = 0;
    const QByteArray output = runWithRawArguments(m_home->path(), {"save", name, "<!-- 追加 -->\n"}, &status);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, output.constData());
    QVERIFY2(output.split('\n').contains("saved"), output.constData());
    QByteArray saved;
    {
        const int in = ::open(name.constData(), O_RDONLY);
        QVERIFY(in >= 0);
        char buffer[4096];
        for (ssize_t n; (n = ::read(in, buffer, sizeof buffer)) > 0;)
            saved.append(buffer, n);
        ::close(in);
    }
    QCOMPARE(saved, "<!-- \x92\xC7\x89\xC1 -->\r\n" + bytes);
}

void TestSurvival::killedSaveIsPutRightAtStart_data()
{
    QTest::addColumn<QByteArray>("step");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<bool>("mixedWhenKilled");
    QTest::addColumn<bool>("newBytesStay");
    QTest::addColumn<QString>("told");

    QTest::addRow("written in place, killed once the old bytes are copied: the file is as it was")
        << QByteArray("kept") << true << false << false << u"保存する前の内容のままです"_s;
    QTest::addRow("written in place, killed half way through: the old bytes are put back")
        << QByteArray("writing") << true << true << false << u"保存する前の内容に戻しました"_s;
    QTest::addRow("written in place, killed before the sync: the new bytes stay")
        << QByteArray("unsynced") << true << false << true << u"保存した内容のままです"_s;
    QTest::addRow("through a new file, killed before the rename: the old file stays, the new one goes")
        << QByteArray("renaming") << false << false << false << QString();
}

// The real program saves a page and is killed at a chosen step of the write;
// the next start puts the file right under every name, tells the user once
// what happened, and leaves nothing of the save beside the page.
void TestSurvival::killedSaveIsPutRightAtStart()
{
    QFETCH(QByteArray, step);
    QFETCH(bool, inPlace);
    QFETCH(bool, mixedWhenKilled);
    QFETCH(bool, newBytesStay);
    QFETCH(QString, told);

    const QString folder = m_home->filePath(u"site"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString page = folder + u"/page.html"_s;
    const QString other = folder + u"/other.html"_s;
    const QByteArray oldBytes = QByteArray("<p>old line</p>\n").repeated(20000);
    const QByteArray added = "<p>new</p>\n";
    writeBytes(page, oldBytes);
    if (inPlace)
        QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    Child saving(m_home->path());
    saving.start({"killsave", step, QFile::encodeName(page), added});
    QVERIFY(saving.finish());
    QCOMPARE(saving.process().exitStatus(), QProcess::CrashExit);
    const QByteArray killed = readBytes(page);
    QCOMPARE(killed != oldBytes && killed != added + oldBytes, mixedWhenKilled);

    Child next(m_home->path());
    next.start({"start", QFile::encodeName(page)});
    QVERIFY(next.finish());
    QCOMPARE(next.process().exitCode(), 0);
    QVERIFY(next.lines().contains("started"));
    QList<QByteArray> warnings;
    for (const QByteArray &line : next.lines()) {
        if (line.startsWith("warning "))
            warnings << line;
    }
    if (told.isEmpty()) {
        QCOMPARE(warnings, QList<QByteArray>());
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(QString::fromUtf8(warnings[0]).contains(told), warnings[0].constData());
        QVERIFY2(warnings[0].contains(QFile::encodeName(page)), warnings[0].constData());
    }
    QCOMPARE(readBytes(page), newBytesStay ? added + oldBytes : oldBytes);
    if (inPlace)
        QCOMPARE(readBytes(other), readBytes(page));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), names);
    QCOMPARE(QDir(stateFolder() + u"/saves"_s).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TestSurvival)
#include "tst_survival.moc"
