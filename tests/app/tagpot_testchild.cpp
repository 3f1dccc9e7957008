// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program as the tests that end or limit a running process need it: the
// real start-up (start-up settings, signal handling, recovery keeper) and the
// real main window, driven by its arguments instead of a user, reporting on
// standard output one line per event. Run by tests only, with XDG_STATE_HOME
// pointing into a temporary folder.
//
//   tagpot_testchild keep <file> <text>  edit; print "written" once recovery holds it
//   tagpot_testchild hold <file> <text>  edit; print "ready" (no recovery written by time)
//   tagpot_testchild save <file> <text>  edit and save onto file; print "saving", then "saved" or "failed"
//   tagpot_testchild restore             restore the newest recovery file; print what came back
//   tagpot_testchild killsave <step> <file> <text>  edit and save onto file, killed (SIGKILL) at
//                                        that step of the write (kept, writing, unsynced, renaming)
//   tagpot_testchild start [file]        start as the program does, open file; print "started"

#include "app/mainwindow.h"
#include "app/startup.h"
#include "core/document/interruptedsave.h"
#include "core/document/nativepath.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "document/recoverykeeper.h"
#include "editor/editortext.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QTextCursor>

#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

void say(const QByteArray &line)
{
    std::fputs(QByteArray(line + '\n').constData(), stdout);
    std::fflush(stdout);
}

QByteArray oneLine(const QString &text)
{
    return text.toUtf8().replace('\\', "\\\\").replace('\n', "\\n");
}

class PrintedPrompts : public DocumentFiles::Backend
{
public:
    DocumentFiles::Answer askToSave(QWidget *, const QString &) override
    {
        say("asked to save");
        return DocumentFiles::Answer::Cancel;
    }
    bool askToSaveAsUtf8(QWidget *, const QString &) override { return false; }
    bool askToReload(QWidget *, const QString &, bool) override { return false; }
    bool askToOverwrite(QWidget *, const QString &) override { return false; }
    void showError(QWidget *, const QString &message) override { say("error " + oneLine(message)); }
    void showWarning(QWidget *, const QString &message) override { say("warning " + oneLine(message)); }
};

class RestoreFirst : public RecoveryKeeper::Prompt
{
public:
    RecoveryKeeper::Choice askToRestore(QWidget *, const QString &question) override
    {
        say("question " + oneLine(question));
        return RecoveryKeeper::Choice::Restore;
    }
    QList<RecoveryKeeper::Choice> askToRestoreEach(QWidget *, const QString &question, const QStringList &items) override
    {
        say("question " + oneLine(question));
        QList<RecoveryKeeper::Choice> choices(items.size(), RecoveryKeeper::Choice::Later);
        choices[0] = RecoveryKeeper::Choice::Restore;
        return choices;
    }
    bool askToDeleteBroken(QWidget *, const QString &question) override
    {
        say("broken " + oneLine(question));
        return false;
    }
    void tellDistrusted(QWidget *, const QString &message) override { say("distrusted " + oneLine(message)); }
};

SaveStep killAt;

bool killAtStep(const QByteArray &name)
{
    static const std::pair<QByteArrayView, SaveStep> steps[] = {
        {"kept", SaveStep::OldBytesKept},
        {"writing", SaveStep::Writing},
        {"unsynced", SaveStep::WrittenUnsynced},
        {"renaming", SaveStep::NewFileWritten},
    };
    for (const auto &[stepName, step] : steps) {
        if (name == stepName) {
            killAt = step;
            setSaveStepHook([](SaveStep reached) {
                if (reached == killAt)
                    ::raise(SIGKILL);
            });
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    prepareProcess();
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QByteArray command = argv[1];
    if (command == "killsave") {
        if (argc < 3 || !killAtStep(argv[2]))
            return 2;
        command = "save";
        argv += 1;
        argc -= 1;
    }
    const QString path = argc > 2 ? pathFromNative(argv[2]) : QString();
    const QString text = argc > 3 ? QString::fromUtf8(argv[3]) : QString();

    MainWindow window;
    endCleanlyOnRequest(&window);
    window.show();
    DialogScript dialogs;
    dialogs.saves << path;
    window.commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&dialogs));
    window.documentFiles()->setBackend(std::make_unique<PrintedPrompts>());
    RecoveryKeeper *keeper = window.recoveryKeeper();
    keeper->setPrompt(std::make_unique<RestoreFirst>());

    if (command == "start") {
        openAtStart(&window, argc > 2 ? argv[2] : nullptr);
        say("started");
        return 0;
    }

    if (command == "restore") {
        if (!keeper->offerRestore())
            return 1;
        const DocumentSession *session = window.documentSession();
        say("path " + nativePath(session->path()).toPercentEncoding("/"));
        say("format " + formatName(session->format()).toUtf8() + ' ' + lineEndName(session->format().lineEnd).toUtf8());
        say("modified " + QByteArray(window.source()->document()->isModified() ? "yes" : "no"));
        say("text " + oneLine(PageText(window.source()).all()));
        return 0;
    }

    if (!window.documentFiles()->openPath(path))
        return 1;
    if (command == "keep") {
        keeper->setDelays(50ms, 50ms);
        QObject::connect(keeper, &RecoveryKeeper::written, &app, [] { say("written"); });
    } else if (command == "hold") {
        keeper->setDelays(1h, 1h);
    }
    QTextCursor cursor(window.source()->document());
    window.source()->setTextCursor(cursor);
    window.source()->setSelText(text);

    if (command == "save") {
        say("saving");
        say(window.documentFiles()->saveDocument() ? "saved" : "failed");
        return 0;
    }
    if (command == "hold")
        say("ready");
    const int code = app.exec();
    say("ended");
    return code;
}
