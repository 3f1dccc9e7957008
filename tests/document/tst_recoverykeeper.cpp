// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "core/document/nativepath.h"
#include "core/document/recoveryfile.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "document/recoverykeeper.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

using Choice = RecoveryKeeper::Choice;
Q_DECLARE_METATYPE(Choice)

namespace {

struct Answers {
    QList<DocumentFiles::Answer> save;
    QList<Choice> restore;
    QStringList restoreQuestions;
};

class ScriptedPrompts : public DocumentFiles::Backend
{
public:
    explicit ScriptedPrompts(Answers *answers) : m_answers(answers) {}
    DocumentFiles::Answer askToSave(QWidget *, const QString &) override
    {
        return m_answers->save.isEmpty() ? DocumentFiles::Answer::Cancel : m_answers->save.takeFirst();
    }
    bool askToSaveAsUtf8(QWidget *, const QString &) override { return false; }
    bool askToReload(QWidget *, const QString &, bool) override { return false; }
    bool askToOverwrite(QWidget *, const QString &) override { return false; }
    void showError(QWidget *, const QString &message) override { qWarning("unexpected message: %s", qPrintable(message)); }
    void showWarning(QWidget *, const QString &message) override { qWarning("unexpected warning: %s", qPrintable(message)); }

private:
    Answers *m_answers;
};

class ScriptedRestore : public RecoveryKeeper::Prompt
{
public:
    explicit ScriptedRestore(Answers *answers) : m_answers(answers) {}
    Choice askToRestore(QWidget *, const QString &question) override
    {
        m_answers->restoreQuestions << question;
        return m_answers->restore.isEmpty() ? Choice::Later : m_answers->restore.takeFirst();
    }

private:
    Answers *m_answers;
};

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::stat(nativePath(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void typeAtStart(SourceEditor *editor, const QString &text)
{
    QTextCursor cursor(editor->document());
    editor->setTextCursor(cursor);
    editor->setSelText(text);
}

} // namespace

class TestRecoveryKeeper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keptUntilSavedOrGivenUp_data();
    void keptUntilSavedOrGivenUp();
    void restoreQuestion_data();
    void restoreQuestion();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    DialogScript m_dialogs;
    Answers m_answers;
};

void TestRecoveryKeeper::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestRecoveryKeeper::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    m_answers = {};
    m_window = std::make_unique<MainWindow>();
    m_window->commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->documentFiles()->setBackend(std::make_unique<ScriptedPrompts>(&m_answers));
    m_window->show();
}

void TestRecoveryKeeper::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestRecoveryKeeper::keptUntilSavedOrGivenUp_data()
{
    QTest::addColumn<QString>("ending");

    QTest::addRow("saved") << "save";
    QTest::addRow("given up for a new document") << "new";
    QTest::addRow("given up for another file") << "open";
    QTest::addRow("the window closed without saving") << "close";
    QTest::addRow("the edit undone") << "undo";
}

// Typing writes a private recovery file, in the test folder, with the text of
// the moment; whatever ends the unsaved state removes it.
void TestRecoveryKeeper::keptUntilSavedOrGivenUp()
{
    QFETCH(QString, ending);

    RecoveryKeeper *keeper = m_window->recoveryKeeper();
    keeper->setDelays(1ms, 1ms);
    QVERIFY(keeper->filePath().startsWith(recoveryFolder() + u'/'));
    QVERIFY(!keeper->filePath().startsWith(QDir::homePath() + u"/.local"_s));
    const QString page = m_dir->filePath(u"page.html"_s);
    {
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>old</p>\r\n");
    }
    QVERIFY(m_window->documentFiles()->openPath(page));

    QSignalSpy written(keeper, &RecoveryKeeper::written);
    typeAtStart(m_window->source(), u"<p>新しい</p>\n"_s);
    QVERIFY(written.wait());
    const QString file = keeper->filePath();
    QCOMPARE(modeOf(file), mode_t(0600));
    QCOMPARE(modeOf(recoveryFolder()), mode_t(0700));
    {
        QFile recovery(file);
        QVERIFY(recovery.open(QIODevice::ReadOnly));
        const auto record = parseRecovery(recovery.readAll());
        QVERIFY(record);
        QCOMPARE(record->path, page);
        QCOMPARE(record->text, u"<p>新しい</p>\n<p>old</p>\n"_s);
        QCOMPARE(record->format.lineEnd, LineEnd::CrLf);
    }

    if (ending == u"save") {
        m_dialogs.saves << page;
        QVERIFY(m_window->documentFiles()->saveDocument());
    } else if (ending == u"new") {
        m_answers.save << DocumentFiles::Answer::Discard;
        m_window->documentFiles()->newDocument();
    } else if (ending == u"open") {
        m_answers.save << DocumentFiles::Answer::Discard;
        QVERIFY(m_window->documentFiles()->openPath(page));
    } else if (ending == u"close") {
        m_window.reset();
    } else if (ending == u"undo") {
        m_window->source()->undo();
    }
    QTRY_VERIFY(!QFile::exists(file));
    if (m_window)
        QVERIFY(!written.wait(50)); // and no late snapshot writes it again
    QVERIFY(!QFile::exists(file));
}

void TestRecoveryKeeper::restoreQuestion_data()
{
    QTest::addColumn<Choice>("choice");

    QTest::addRow("restored: the text, unsaved, with its file and format") << Choice::Restore;
    QTest::addRow("discarded: the recovery file is deleted") << Choice::Discard;
    QTest::addRow("left for later: it is offered again") << Choice::Later;
}

void TestRecoveryKeeper::restoreQuestion()
{
    QFETCH(Choice, choice);

    const QString folder = m_dir->filePath(u"state"_s);
    const QString page = pathFromNative(QByteArray(QFile::encodeName(m_dir->filePath(u"ページ-"_s)) + "\x83\x79.html"));
    const RecoveryRecord record{page, {TextEncoding::EucJp, false, LineEnd::Lf},
                                QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), u"<p>残った文章\u2029と区切り</p>\n"_s};
    QString left;
    {
        RecoveryFile file(folder);
        QVERIFY(file.write(record));
        left = file.filePath();
    }
    RecoveryKeeper keeper(m_window.get(), m_window->source(), m_window->documentSession(), m_window->documentFiles(), folder);
    keeper.setPrompt(std::make_unique<ScriptedRestore>(&m_answers));
    m_answers.restore << choice;

    QCOMPARE(keeper.offerRestore(), choice == Choice::Restore);
    QCOMPARE(m_answers.restoreQuestions.size(), 1);
    const QString question = m_answers.restoreQuestions[0];
    QVERIFY2(question.contains(displayedPath(page)), qPrintable(question));
    QVERIFY2(question.contains(record.written.toLocalTime().toString(u"H:mm:ss"_s)), qPrintable(question));
    QVERIFY2(question.contains(u"EUC-JP"_s), qPrintable(question));

    if (choice == Choice::Restore) {
        QCOMPARE(PageText(m_window->source()).all(), record.text);
        QCOMPARE(m_window->documentSession()->path(), page);
        QCOMPARE(m_window->documentSession()->format(), record.format);
        QVERIFY(m_window->isWindowModified());
        QVERIFY(m_window->windowTitle().contains(displayedPath(page)));
        // Now this program's own recovery file holds the text.
        QVERIFY(!QFile::exists(left));
        QVERIFY(QFile::exists(keeper.filePath()));
    } else {
        QCOMPARE(PageText(m_window->source()).all(), QString());
        QVERIFY(!m_window->isWindowModified());
        QCOMPARE(QFile::exists(left), choice == Choice::Later);
    }
    QCOMPARE(OrphanRecovery::claim(folder).size(), size_t(choice == Choice::Later ? 1 : 0));
}

QTEST_MAIN(TestRecoveryKeeper)
#include "tst_recoverykeeper.moc"
