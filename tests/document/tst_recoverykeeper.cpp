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
#include "window/messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
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
    QList<Choice> each;           // the answer to a list of several
    QStringList eachItems;
    bool deleteBroken = false;
    QStringList brokenQuestions;
    QStringList distrusted;
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
    QList<Choice> askToRestoreEach(QWidget *, const QString &question, const QStringList &items) override
    {
        m_answers->restoreQuestions << question;
        m_answers->eachItems = items;
        return m_answers->each;
    }
    bool askToDeleteBroken(QWidget *, const QString &question) override
    {
        m_answers->brokenQuestions << question;
        return m_answers->deleteBroken;
    }
    void tellDistrusted(QWidget *, const QString &message) override { m_answers->distrusted << message; }

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
    void severalOrphansInOneList_data();
    void severalOrphansInOneList();
    void brokenAndDistrustedSaidOnce_data();
    void brokenAndDistrustedSaidOnce();
    void realListOfSeveral();

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

void TestRecoveryKeeper::severalOrphansInOneList_data()
{
    QTest::addColumn<QList<Choice>>("choices");
    QTest::addColumn<int>("restored"); // which text comes back, -1 none
    QTest::addColumn<QList<bool>>("left");

    using Choices = QList<Choice>;
    QTest::addRow("the newest restored, one discarded, one kept for later")
        << Choices{Choice::Restore, Choice::Discard, Choice::Later} << 0 << QList<bool>{false, false, true};
    QTest::addRow("an older one restored, the others discarded")
        << Choices{Choice::Discard, Choice::Restore, Choice::Discard} << 1 << QList<bool>{false, false, false};
    QTest::addRow("the list cancelled: every one waits") << Choices{} << -1 << QList<bool>{true, true, true};
}

// Three programs left unsaved text: one list, newest first, a choice for each.
void TestRecoveryKeeper::severalOrphansInOneList()
{
    QFETCH(QList<Choice>, choices);
    QFETCH(int, restored);
    QFETCH(QList<bool>, left);

    const QString folder = m_dir->filePath(u"state"_s);
    QStringList files;
    QStringList texts;
    for (int i = 0; i < 3; ++i) {
        // Newest first: the first written the latest.
        const RecoveryRecord record{m_dir->filePath(u"page%1.html"_s.arg(i)), {},
                                    QDateTime(QDate(2026, 3, 4), QTime(5, 10 - i)), u"<p>文章 %1</p>\n"_s.arg(i)};
        RecoveryFile file(folder);
        QVERIFY(file.write(record));
        files << file.filePath();
        texts << record.text;
    }
    RecoveryKeeper keeper(m_window.get(), m_window->source(), m_window->documentSession(), m_window->documentFiles(), folder);
    keeper.setPrompt(std::make_unique<ScriptedRestore>(&m_answers));
    m_answers.each = choices;

    QCOMPARE(keeper.offerRestore(), restored >= 0);
    QCOMPARE(m_answers.restoreQuestions.size(), 1);
    QVERIFY2(m_answers.restoreQuestions[0].contains(u"3 件"_s), qPrintable(m_answers.restoreQuestions[0]));
    QCOMPARE(m_answers.eachItems.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(m_answers.eachItems[i].contains(u"page%1.html"_s.arg(i)), qPrintable(m_answers.eachItems[i]));
    QCOMPARE(PageText(m_window->source()).all(), restored >= 0 ? texts[restored] : QString());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(QFile::exists(files[i]), left[i]);
}

void TestRecoveryKeeper::brokenAndDistrustedSaidOnce_data()
{
    QTest::addColumn<bool>("deleteBroken");

    QTest::addRow("the broken files deleted") << true;
    QTest::addRow("the broken files kept") << false;
}

// A cut-off file and a binary one are offered for deletion in one question,
// each with why; a link planted among them is said once and left alone; the
// whole record beside them is still offered.
void TestRecoveryKeeper::brokenAndDistrustedSaidOnce()
{
    QFETCH(bool, deleteBroken);

    const QString folder = m_dir->filePath(u"state"_s);
    const RecoveryRecord record{m_dir->filePath(u"page.html"_s), {}, QDateTime(QDate(2026, 3, 4), QTime(5, 6)), u"whole"_s};
    {
        RecoveryFile file(folder);
        QVERIFY(file.write(record));
    }
    const QString cut = folder + u"/cut.recovery"_s;
    const QString binary = folder + u"/binary.recovery"_s;
    const QString link = folder + u"/link.recovery"_s;
    const QString outside = m_dir->filePath(u"outside.html"_s);
    for (const auto &[path, bytes] : {std::pair{cut, recoveryBytes(record).chopped(2)},
                                      {binary, QByteArray("\x7f" "ELF\x02\x01", 6)}, {outside, QByteArray("outside")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QVERIFY(QFile::link(outside, link));
    RecoveryKeeper keeper(m_window.get(), m_window->source(), m_window->documentSession(), m_window->documentFiles(), folder);
    keeper.setPrompt(std::make_unique<ScriptedRestore>(&m_answers));
    m_answers.deleteBroken = deleteBroken;

    QVERIFY(!keeper.offerRestore());
    QCOMPARE(m_answers.distrusted.size(), 1);
    QVERIFY2(m_answers.distrusted[0].contains(u"link.recovery」：シンボリックリンク"_s), qPrintable(m_answers.distrusted[0]));
    QCOMPARE(m_answers.brokenQuestions.size(), 1);
    const QString question = m_answers.brokenQuestions[0];
    QVERIFY2(question.contains(u"cut.recovery」：復元用のファイルとして正しくありません"_s), qPrintable(question));
    QVERIFY2(question.contains(u"binary.recovery」："_s), qPrintable(question));
    QCOMPARE(m_answers.restoreQuestions.size(), 1);
    QCOMPARE(QFile::exists(cut), !deleteBroken);
    QCOMPARE(QFile::exists(binary), !deleteBroken);
    QVERIFY(QFileInfo(link).isSymLink());
    QFile kept(outside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("outside"));
}

// The real list: a choice box per file, taking 復元する for one gives the
// one that had it あとで決める.
void TestRecoveryKeeper::realListOfSeveral()
{
    QMetaObject::invokeMethod(
        this,
        [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->objectName() == u"choiceForEach");
            auto *first = dialog->findChild<QComboBox *>(u"choice0"_s);
            auto *second = dialog->findChild<QComboBox *>(u"choice1"_s);
            QVERIFY(first && second);
            QCOMPARE(first->currentText(), u"復元する"_s);
            QCOMPARE(second->currentText(), u"あとで決める"_s);
            second->setCurrentIndex(0);
            QCOMPARE(first->currentText(), u"あとで決める"_s);
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (button->text() == u"OK")
                    button->click();
            }
        },
        Qt::QueuedConnection);
    const QList<int> chosen = askChoiceForEach(m_window.get(), u"問い"_s, {u"一"_s, u"二"_s}, {u"復元する"_s, u"破棄する"_s, u"あとで決める"_s},
                              {0, 2}, 0, 2);
    QCOMPARE(chosen, QList<int>({2, 0}));
}

QTEST_MAIN(TestRecoveryKeeper)
#include "tst_recoverykeeper.moc"
