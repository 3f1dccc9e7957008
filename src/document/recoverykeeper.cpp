// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recoverykeeper.h"

#include "core/document/filemessages.h"
#include "core/window/apptitle.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "document/documentsnapshot.h"
#include "editor/sourceeditor.h"
#include "window/messagebox.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTextDocument>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// How long one piece of the copy may hold the window's thread.
constexpr auto sliceBudget = 6ms;

class MessageBoxPrompt : public RecoveryKeeper::Prompt
{
public:
    RecoveryKeeper::Choice askToRestore(QWidget *parent, const QString &question) override
    {
        return choices[askChoice(parent, QMessageBox::Question, question,
                                 {{u"復元する"_s, QMessageBox::AcceptRole},
                                  {u"破棄する"_s, QMessageBox::DestructiveRole},
                                  {u"あとで決める"_s, QMessageBox::RejectRole}},
                                 0, 2)];
    }

    QList<RecoveryKeeper::Choice> askToRestoreEach(QWidget *parent, const QString &question,
                                                   const QStringList &items) override
    {
        // The newest first, offered for restoring; the others wait.
        QList<int> defaults(items.size(), 2);
        defaults[0] = 0;
        QList<RecoveryKeeper::Choice> chosen;
        for (const int index : askChoiceForEach(parent, question, items, {u"復元する"_s, u"破棄する"_s, u"あとで決める"_s},
                                                defaults, 0, 2))
            chosen << choices[index];
        return chosen;
    }

    bool askToDeleteBroken(QWidget *parent, const QString &question) override
    {
        return askChoice(parent, QMessageBox::Warning, question,
                         {{u"削除する"_s, QMessageBox::DestructiveRole}, {u"残す"_s, QMessageBox::RejectRole}}, 1, 1)
            == 0;
    }

    void tellDistrusted(QWidget *parent, const QString &message) override
    {
        showMessage(parent, QMessageBox::Warning, message);
    }

private:
    static constexpr RecoveryKeeper::Choice choices[]{RecoveryKeeper::Choice::Restore, RecoveryKeeper::Choice::Discard,
                                                      RecoveryKeeper::Choice::Later};
};

// What the window's thread hands over: the page's text.
struct Job {
    bool remove = false;
    QString text;
    QString path;
    TextFormat format;
    QDateTime taken;
};

Job removal()
{
    Job job;
    job.remove = true;
    return job;
}

} // namespace

// One thread that owns the recovery file. Only the newest job waits: a
// snapshot taken while another is being written replaces the one before.
class RecoveryKeeper::Writer
{
public:
    Writer(RecoveryKeeper *keeper, const QString &folder)
        : m_keeper(keeper)
        , m_file(folder)
        , m_thread([this] { run(); })
    {
    }

    ~Writer()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void post(Job job)
    {
        {
            std::lock_guard lock(m_mutex);
            m_pending = std::move(job);
        }
        m_wake.notify_all();
    }

    // Waits until every posted job is done; whether the last write worked.
    bool finish()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
        return m_lastWriteOk;
    }

    QString filePath() const { return m_file.filePath(); }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stopping || m_pending; });
            if (!m_pending)
                return;
            Job job = std::move(*m_pending);
            m_pending.reset();
            m_busy = true;
            lock.unlock();
            QString reason;
            const bool ok = perform(job, &reason);
            lock.lock();
            m_busy = false;
            if (!job.remove)
                m_lastWriteOk = ok;
            m_idle.notify_all();
            if (job.remove)
                continue;
            // The keeper outlives the thread: its destructor joins it.
            QMetaObject::invokeMethod(
                m_keeper,
                [keeper = m_keeper, ok, reason] {
                    if (ok)
                        emit keeper->written();
                    else
                        keeper->reportFailure(reason);
                },
                Qt::QueuedConnection);
        }
    }

    bool perform(Job &job, QString *reason)
    {
        if (job.remove) {
            m_file.remove();
            return true;
        }
        const RecoveryRecord record{job.path, job.format, job.taken, std::move(job.text)};
        return m_file.write(record, reason);
    }

    RecoveryKeeper *m_keeper;
    RecoveryFile m_file;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_lastWriteOk = true;
    std::thread m_thread;
};

RecoveryKeeper::RecoveryKeeper(QMainWindow *window, SourceEditor *editor, DocumentSession *session, DocumentFiles *files,
                               const QString &folder)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_session(session)
    , m_files(files)
    , m_folder(folder)
    , m_writer(std::make_unique<Writer>(this, folder))
    , m_prompt(std::make_unique<MessageBoxPrompt>())
{
    m_idle.setSingleShot(true);
    m_longest.setSingleShot(true);
    setDelays(3s, 30s);
    connect(&m_idle, &QTimer::timeout, this, &RecoveryKeeper::takeSnapshot);
    connect(&m_longest, &QTimer::timeout, this, &RecoveryKeeper::takeSnapshot);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, [this] {
        if (m_snapshot->copy(sliceBudget))
            finishSnapshot();
        else if (!m_snapshot->document())
            abandonSnapshot();
    });
    connect(m_editor, &SourceEditor::textChanged, this, &RecoveryKeeper::documentChanged);
    connect(m_editor, &SourceEditor::modificationChanged, this, &RecoveryKeeper::documentChanged);
}

RecoveryKeeper::~RecoveryKeeper()
{
    // A clean end leaves nothing to recover; a kept file stays for the next start.
    if (!m_kept && m_fileMayExist)
        m_writer->post(removal());
    m_writer.reset();
}

void RecoveryKeeper::setDelays(std::chrono::milliseconds idle, std::chrono::milliseconds longest)
{
    m_idle.setInterval(idle);
    m_longest.setInterval(longest);
}

void RecoveryKeeper::setPrompt(std::unique_ptr<Prompt> prompt)
{
    m_prompt = std::move(prompt);
}

QString RecoveryKeeper::filePath() const
{
    return m_writer->filePath();
}

void RecoveryKeeper::documentChanged()
{
    if (m_snapshot && m_snapshot->document() != m_editor->document())
        abandonSnapshot();
    if (!m_editor->document()->isModified()) {
        abandonSnapshot();
        m_idle.stop();
        m_longest.stop();
        if (m_fileMayExist) {
            m_writer->post(removal());
            m_fileMayExist = false;
        }
        return;
    }
    m_idle.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void RecoveryKeeper::takeSnapshot()
{
    m_idle.stop();
    m_longest.stop();
    if (!m_editor->document()->isModified()) {
        documentChanged();
        return;
    }
    // A copy under way goes on; it follows the edits made since it began.
    if (m_snapshot)
        return;
    m_snapshot = new DocumentSnapshot(m_editor, this);
    m_slice.start();
}

void RecoveryKeeper::abandonSnapshot()
{
    m_slice.stop();
    delete std::exchange(m_snapshot, nullptr);
}

void RecoveryKeeper::finishSnapshot()
{
    m_slice.stop();
    Job job;
    job.text = m_snapshot->takeText();
    delete std::exchange(m_snapshot, nullptr);
    job.path = m_session->path();
    job.format = m_session->format();
    job.taken = QDateTime::currentDateTimeUtc();
    m_writer->post(std::move(job));
    m_fileMayExist = true;
}

bool RecoveryKeeper::writeNow()
{
    takeSnapshot();
    if (m_snapshot) {
        if (m_snapshot->copy(-1ms))
            finishSnapshot();
        else
            abandonSnapshot();
    }
    return m_writer->finish();
}

bool RecoveryKeeper::keepForRecovery()
{
    m_kept = true;
    return writeNow();
}

bool RecoveryKeeper::offerRestore()
{
    RecoveryFolder found = OrphanRecovery::survey(m_folder);
    if (!found.folderProblem.isEmpty() || !found.distrusted.isEmpty())
        m_prompt->tellDistrusted(m_window, distrustedRecoveryMessage(found.folderProblem, found.distrusted));
    if (!found.broken.empty()) {
        QList<RecoveryProblem> problems;
        for (const OrphanRecovery &broken : found.broken)
            problems.append({broken.filePath(), broken.problem()});
        if (m_prompt->askToDeleteBroken(m_window, brokenRecoveryQuestion(problems))) {
            for (OrphanRecovery &broken : found.broken)
                broken.discard();
        }
    }
    std::vector<OrphanRecovery> &orphans = found.orphans;
    if (orphans.empty())
        return false;
    QList<Choice> choices;
    if (orphans.size() == 1) {
        choices << m_prompt->askToRestore(m_window, restoreQuestion(orphans[0].record()));
    } else {
        QStringList items;
        for (const OrphanRecovery &orphan : orphans)
            items << recoveryItem(orphan.record());
        choices = m_prompt->askToRestoreEach(m_window, restoreEachQuestion(qsizetype(orphans.size())), items);
    }
    OrphanRecovery *restoring = nullptr;
    for (qsizetype i = 0; i < choices.size() && i < qsizetype(orphans.size()); ++i) {
        if (choices[i] == Choice::Discard)
            orphans[size_t(i)].discard();
        else if (choices[i] == Choice::Restore && !restoring)
            restoring = &orphans[size_t(i)];
    }
    if (!restoring)
        return false;
    const RecoveryRecord &record = restoring->record();
    if (!m_files->restoreDocument(record.path, record.format, record.text))
        return false;
    // This program's own file holds the text before the old one goes.
    if (writeNow())
        restoring->discard();
    return true;
}

void RecoveryKeeper::reportFailure(const QString &reason)
{
    // Said once, in the status bar: a message box every few seconds would
    // interrupt the typing it protects.
    if (m_failureShown)
        return;
    m_failureShown = true;
    m_window->statusBar()->showMessage(recoveryFailedMessage(reason));
}
