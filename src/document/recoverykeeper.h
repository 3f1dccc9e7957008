// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/recoveryfile.h"

#include <QObject>
#include <QString>
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

    // Offers, one by one, what programs no longer running left unsaved.
    // True when one was restored into the window (the others wait for a
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
