// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// A page written into its own file (not through a new file and a rename) is
// first copied, synced, beside it, and a small synced journal says what is
// being replaced by what (sizes and hashes of the old and new bytes). A
// journal still there later means the write did not finish: the program was
// killed, crashed, or the machine lost power. The next start, and the next
// open of a page in that folder, finish it: the new bytes stay when they
// were wholly written, else the old ones are put back; then the copy and the
// journal go. Where the page's folder cannot hold them they stand in the
// saves folder instead, and a note there names every journal standing beside
// a page, so that a start finds it.

// What was found of one save that did not finish.
struct SaveRepair {
    enum class Outcome {
        NewKept,    // the new bytes were all written: the save is complete
        OldKept,    // nothing had been written yet: the file is as before
        OldPutBack, // the file was half written: its old bytes are back
        Failed,     // could not be put right; the copy stays (copy, reason)
    };
    Outcome outcome;
    QString path;
    QString copy;
    QString reason;
};

// Where the copies, journals and notes stand that a page's folder cannot
// hold: "saves" in the recovery folder, private to the user.
QString savesFolder();

// Journals in folder (each save there that did not finish is finished or
// undone) and leftovers of saves killed there (new bytes never renamed,
// copies whose journal is gone) that no running program still writes.
QList<SaveRepair> tidyFolder(const QString &folder);
// The same for the saves folder, following its notes: what a start does.
QList<SaveRepair> repairInterruptedSaves();

// The steps of a save a test can stop at, to kill the program there.
enum class SaveStep {
    OldBytesKept,   // written in place: copy and journal synced, file untouched
    Writing,        // written in place: part of the new bytes written
    WrittenUnsynced, // written in place: all new bytes written, not yet synced
    NewFileWritten, // through a new file: written and synced, not yet renamed
};
using SaveStepHook = void (*)(SaveStep);
void setSaveStepHook(SaveStepHook hook);
void reachSaveStep(SaveStep step);

// One write in place under way: the copy of the old bytes and the journal.
class InPlaceJournal
{
public:
    InPlaceJournal() = default;
    ~InPlaceJournal(); // leaves what is on disk: a journal left is one to repair
    InPlaceJournal(const InPlaceJournal &) = delete;
    InPlaceJournal &operator=(const InPlaceJournal &) = delete;

    // Copies the open file fd (the page at target) and writes the journal,
    // all synced. False with the reason in Japanese.
    bool begin(const QByteArray &target, int fd, QByteArrayView newBytes, QString *reason);
    // Writes the copy back into fd, synced.
    bool putBack(int fd, int *error);
    // The write is complete or undone: journal, copy and note go.
    void finish();
    QByteArray copyPath() const { return m_copy; }

private:
    QByteArray m_copy;
    QByteArray m_journal;
    QByteArray m_note;
    int m_copyFd = -1;
    int m_journalFd = -1;
    int m_noteFd = -1;
};
