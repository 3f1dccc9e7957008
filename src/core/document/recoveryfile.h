// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// What a recovery file keeps of an unsaved document: enough to give it back
// as it was, in its own file and format.
struct RecoveryRecord {
    QString path; // empty for a document that has no file yet
    TextFormat format;
    QDateTime written;
    QString text; // line ends as "\n"

    friend bool operator==(const RecoveryRecord &, const RecoveryRecord &) = default;
};

// A recovery file's bytes: a few "key: value" lines, an empty line, the text
// in UTF-8. Readable with any text editor when the program cannot start.
QByteArray recoveryBytes(const RecoveryRecord &record);
// Nothing when bytes are not a whole recovery file (cut off, foreign).
std::optional<RecoveryRecord> parseRecovery(QByteArrayView bytes);

// Where recovery files live: $XDG_STATE_HOME/tagpot, by default
// ~/.local/state/tagpot; in test mode a folder beside QStandardPaths' test
// locations, so that tests never touch a user's files.
QString recoveryFolder();

// Makes folder (and its parents) and gives it mode 0700 whatever the umask:
// recovery files hold the user's text. False, with the reason, when it fails.
bool makePrivateFolder(const QString &folder, QString *reason);

// One running program's recovery file. A lock file held for the program's
// life (flock, which the system drops however the program ends) tells a
// running owner from a dead one, whatever process ids were reused since.
class RecoveryFile
{
public:
    explicit RecoveryFile(const QString &folder = recoveryFolder());
    ~RecoveryFile(); // leaves the recovery file, drops the lock
    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    // Replaces the recovery file, mode 0600, synced; safe from a worker thread
    // while nothing else calls this object.
    bool write(const RecoveryRecord &record, QString *reason = nullptr);
    // The recovery file goes; the lock stays.
    void remove();

    QString filePath() const { return m_file; }
    bool exists() const;

private:
    bool lock(QString *reason);

    QString m_folder;
    QString m_file;
    QString m_lockFile;
    int m_lock = -1;
};

class OrphanRecovery;

// A file in the recovery folder that is left alone, and why.
struct RecoveryProblem {
    QString path;
    QString reason;
};

// What the recovery folder holds of programs no longer running.
struct RecoveryFolder;

// A recovery file left by a program that is no longer running, held by this
// one (its lock taken) while the user decides: a second program starting
// meanwhile does not offer it too.
class OrphanRecovery
{
public:
    OrphanRecovery(OrphanRecovery &&other) noexcept;
    OrphanRecovery &operator=(OrphanRecovery &&other) noexcept;
    ~OrphanRecovery(); // leaves the file for a later start
    OrphanRecovery(const OrphanRecovery &) = delete;
    OrphanRecovery &operator=(const OrphanRecovery &) = delete;

    const RecoveryRecord &record() const { return m_record; }
    QString filePath() const { return m_file; }
    // Why the file cannot be restored: empty for one that can.
    QString problem() const { return m_problem; }
    // Deletes the recovery file and its lock; false when it could not.
    bool discard();

    // The orphans in folder, newest first.
    static std::vector<OrphanRecovery> claim(const QString &folder = recoveryFolder());
    // Everything in folder: the orphans; the files that cannot be read or
    // are not whole (held, to be deleted or kept); and files that are not
    // opened at all, being links, foreign or not regular. Each file is
    // opened without following a link, and only a regular file of the
    // user's with one name is read. A replacement written whole but never
    // renamed wins over an older record; one cut off is deleted. A folder
    // that is a link, not a folder, another user's or open to others is not
    // read. A folder the user may not write is read all the same.
    static RecoveryFolder survey(const QString &folder = recoveryFolder());

private:
    OrphanRecovery() = default;
    OrphanRecovery &&withProblem(const QString &problem)
    {
        m_problem = problem;
        return std::move(*this);
    }

    RecoveryRecord m_record;
    QString m_file;
    QString m_lockFile;
    QString m_problem;
    int m_lock = -1;
};

struct RecoveryFolder {
    std::vector<OrphanRecovery> orphans;
    std::vector<OrphanRecovery> broken;
    QList<RecoveryProblem> distrusted;
    QString folderProblem; // why nothing in the folder was read
};
