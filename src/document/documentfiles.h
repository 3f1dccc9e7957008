// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfile.h"
#include "document/documentsession.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>

class CommonDialog;
struct SaveRepair;
class PageFiller;
class QLabel;
class QMainWindow;
class QProgressBar;
class QWidget;
class SourceEditor;

// The filter of the Open and Save dialogs, the first one selected.
inline constexpr QStringView documentFilter = u"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|TEXTﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*";

// The file commands of the main window: new, open, save, exit, and what the
// user is asked when another program changes the open file. The page itself
// (path, format, what its file held) is the document session's; the shared
// dialog's FileName follows its path, so that each Open and Save dialog starts
// on the page's file. A document is written
// back in the encoding, byte order mark and line-end style it was read in,
// and unedited it is written back byte for byte. Unsaved changes are never
// dropped without a question, and a failed save leaves the old file intact.
class DocumentFiles : public QObject
{
    Q_OBJECT
public:
    enum class Answer { Save, Discard, Cancel };

    // The questions and messages, behind an interface that tests replace so
    // that nothing ever waits on a real message box.
    class Backend
    {
    public:
        virtual ~Backend() = default;
        // Save / discard / cancel the unsaved changes.
        virtual Answer askToSave(QWidget *parent, const QString &question) = 0;
        // True to write UTF-8 instead, false to cancel the save.
        virtual bool askToSaveAsUtf8(QWidget *parent, const QString &question) = 0;
        virtual void showError(QWidget *parent, const QString &message) = 0;
        // The open file changed on disk: true to read it again. modified: the
        // unsaved edits would be lost, and keeping them is the default.
        virtual bool askToReload(QWidget *parent, const QString &question, bool modified) = 0;
        // True to write over a file another program changed; Cancel is the default.
        virtual bool askToOverwrite(QWidget *parent, const QString &question) = 0;
        virtual void showWarning(QWidget *parent, const QString &message) = 0;
    };

    // Sets the caption and a status bar showing the document's encoding and
    // line ends, both following the session.
    DocumentFiles(QMainWindow *window, SourceEditor *editor, CommonDialog *dialog, DocumentSession *session);
    ~DocumentFiles() override;

    // Opens path (from the command line) as the Open command does after its
    // dialog. False when it was not opened: an error was shown, or the user
    // kept the unsaved changes.
    bool openPath(const QString &path);
    // Opens a page from the recent files: one that is gone is said so.
    bool openRecent(const QString &path);

    // Finishes or undoes the saves that a killed program or a stopped
    // machine left half done, and says what it found: at every start.
    void repairInterruptedSaves();

    // For the window's close event: true when the window may close, after
    // asking about unsaved changes; false keeps it open.
    bool queryClose();

    // Puts back text a recovery file kept: with its file and format, unsaved.
    // False when the user kept the unsaved changes of the open document.
    bool restoreDocument(const QString &path, const TextFormat &format, const QString &text);

    void setBackend(std::unique_ptr<Backend> backend);

public slots:
    void newDocument();
    bool openDocument();
    bool saveDocument();
    // Writes to the document's own file without a dialog, with the same
    // guards as Save; a document that has none is saved through the Save dialog.
    bool overwriteSave();
    // Reads the open file again, dropping unsaved edits without a question.
    bool reloadDocument();
    // Asks about unsaved changes, then closes the main window, which ends the program.
    void exitProgram();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool settleChanges();
    void showFilling(PageFiller *filler);
    bool load(const QString &path, bool askFirst);
    void tellRepairs(const QList<SaveRepair> &repairs);
    qsizetype holdForEditor(QString &text);
    bool writeTo(const QString &path);
    bool confirmOverwrite(const QString &path);
    void changedOnDisk(DocumentSession::DiskChange change);
    void updateCaption();
    void updateStatus();

    QMainWindow *m_window;
    SourceEditor *m_editor;
    CommonDialog *m_dialog;
    DocumentSession *m_session;
    QLabel *m_status;
    QProgressBar *m_loading;
    std::unique_ptr<Backend> m_backend;
    bool m_closeSettled = false;
};
