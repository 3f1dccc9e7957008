// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/disksnapshot.h"
#include "core/document/textfile.h"
#include "core/document/textfingerprint.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class PageFiller;
class PageKindChoice;
class QFileSystemWatcher;
class SourceEditor;
class QTextDocument;
class QTimer;

// The open page: the one owner of its path, its text format, what its file
// held when last read or written, and whether it has unsaved changes. The
// caption, the status bar, the recent files, recovery and anything else that
// follows the page subscribe to its signals.
//
// The editor keeps one document object for its whole life: New, Open and
// reload refill it in place, so whatever is attached to it once (a
// highlighter, a preview following contentsChanged) keeps working.
class DocumentSession : public QObject
{
    Q_OBJECT
public:
    enum class DiskChange { Changed, Deleted };
    Q_ENUM(DiskChange)

    explicit DocumentSession(SourceEditor *editor, QObject *parent = nullptr);
    ~DocumentSession() override;

    // Empty for a page that has no file yet.
    QString path() const { return m_path; }
    const TextFormat &format() const { return m_format; }
    bool isModified() const;
    // The file as it was when last read or written; exists is false for a
    // page without a file.
    const DiskSnapshot &snapshot() const { return m_snapshot; }
    QTextDocument *document() const;
    // What the page is written in: from its file's name, or as the user chose.
    PageKindChoice *kind() const { return m_kind; }

    // What the file held when last read or written: an unedited page is
    // written back as these very bytes. None are kept when writing the text
    // gives them back, for a page of many megabytes: it is not held twice.
    const QByteArray &diskBytes() const { return m_diskBytes; }
    // The text, as a fingerprint; none while a page is still going into the
    // editor (see PageFiller).
    const TextFingerprint &diskText() const { return m_diskText; }

    // A new page: empty, no file, the format of a new page.
    void startNew();
    // After Open or a reload: the editor shows text, unmodified, and the page
    // is the file at path as snapshot found it.
    void open(const QString &path, const TextFormat &format, QByteArray bytes, QString text,
              const DiskSnapshot &snapshot);
    // Text kept elsewhere for the page at path (a recovered edit): the editor
    // shows it, marked unsaved, to be written in format. The file as it now
    // stands is what a save will ask before writing over. A big page goes in
    // a piece at a time: the fill in progress is returned, if any.
    PageFiller *restore(const QString &path, const TextFormat &format, QString text);
    // After a save: the editor's text, unchanged, is now the file at path.
    void saved(const QString &path, const TextFormat &format, QByteArray bytes, QString text,
               const DiskSnapshot &snapshot);
    // The page's file is gone from disk: its text is now held nowhere else.
    void markDeleted();

    // What happened to the file since it was read or written, judged from
    // its status and, when that differs, its bytes: a file only touched, or
    // written again with the same bytes, has not changed. current receives
    // the file's present snapshot.
    std::optional<DiskChange> diskChange(DiskSnapshot *current = nullptr);

    // The user was told of the file's state current another way (asked
    // before a save over it): changedOnDisk does not report it again.
    void acknowledge(const DiskSnapshot &current) { m_reported = current; }

    // Looks at the file and emits changedOnDisk once for each new state of
    // it, whatever the answer to the question it raised; nothing while the
    // program itself is writing it.
    void checkDisk();

    // While set, our own save is writing the file: its notices are ours.
    void setSaving(bool saving);
    bool isSaving() const { return m_saving; }

signals:
    void pathChanged(const QString &path);
    void formatChanged(const TextFormat &format);
    void modificationChanged(bool modified);
    // New, Open, a reload or restore() has filled the document.
    void textReplaced();
    void changedOnDisk(DocumentSession::DiskChange change);

private:
    void setFile(const QString &path, const TextFormat &format, QByteArray bytes, const TextFingerprint &text,
                 const DiskSnapshot &snapshot);
    void watch(const QString &path);
    void fileNoticed(const QString &path);
    void settled();

    SourceEditor *m_editor;
    PageKindChoice *m_kind;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    QString m_path;
    TextFormat m_format;
    DiskSnapshot m_snapshot;
    // The last state of the file that was reported or acknowledged.
    std::optional<DiskSnapshot> m_reported;
    QByteArray m_diskBytes;
    TextFingerprint m_diskText;
    bool m_saving = false;
    bool m_checking = false;
    bool m_recheck = false;
};
