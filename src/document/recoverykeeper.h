// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/recoveryfile.h"

#include <QObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

class DocumentFiles;
class DocumentSession;
class DocumentSnapshot;
class QMainWindow;
class QWidget;
class SourceEditor;

// Keeps the unsaved text of the open document in a recovery file, so that a
// crash, a kill or a logout loses nothing: written a few seconds after typing
// stops, and at least every half minute while it goes on; removed when the
// document is saved, given up or closed. The text is copied on the window's
// thread a few milliseconds at a time, between keystrokes, following any
// edit made meanwhile; turning it into bytes and writing them happen on a
// thread of their own, so typing never waits for the copy or the disk.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    enum class Choice { Restore, Discard, Later };

    // The restore question, behind an interface tests replace.
    class Prompt
    {
    public:
        virtual ~Prompt() = default;
        virtual Choice askToRestore(QWidget *parent, const QString &question) = 0;
        // Several at once, in one list: a choice for each item, or none at
        // all (cancelled: every one waits).
        virtual QList<Choice> askToRestoreEach(QWidget *parent, const QString &question, const QStringList &items) = 0;
        // Recovery files that cannot be restored: true to delete them.
        virtual bool askToDeleteBroken(QWidget *parent, const QString &question) = 0;
        // Files of the recovery folder left alone, or a folder not used.
        virtual void tellDistrusted(QWidget *parent, const QString &message) = 0;
    };

    // The session tells the page's file and format; the files, how the
    // editor holds the text.
    RecoveryKeeper(QMainWindow *window, SourceEditor *editor, DocumentSession *session, DocumentFiles *files,
                   const QString &folder = recoveryFolder());
    ~RecoveryKeeper() override;

    void setDelays(std::chrono::milliseconds idle, std::chrono::milliseconds longest);
    void setPrompt(std::unique_ptr<Prompt> prompt);

    // Writes the unsaved text now, waiting for it, and leaves the file when
    // the program ends: for SIGTERM and a logout. False when writing failed.
    bool keepForRecovery();

    // Offers what programs no longer running left unsaved: one question for
    // one file, one list for several (restore one, delete or keep each).
    // Before that, says once which files of the folder it left alone, and
    // offers to delete those that cannot be restored, with the reason.
    // True when one was restored into the window (those kept wait for a
    // later start).
    bool offerRestore();

    QString filePath() const;

signals:
    // A recovery file now holds the document as it was at the snapshot.
    void written();

private:
    class Writer;

    void documentChanged();
    void takeSnapshot();
    void abandonSnapshot();
    void finishSnapshot();
    // The whole snapshot now, written before returning.
    bool writeNow();
    void reportFailure(const QString &reason);

    QMainWindow *m_window;
    SourceEditor *m_editor;
    DocumentSession *m_session;
    DocumentFiles *m_files;
    QString m_folder;
    std::unique_ptr<Writer> m_writer;
    std::unique_ptr<Prompt> m_prompt;
    QTimer m_idle;
    QTimer m_longest;
    QTimer m_slice;
    DocumentSnapshot *m_snapshot = nullptr;
    bool m_fileMayExist = false;
    bool m_kept = false;
    bool m_failureShown = false;
};
