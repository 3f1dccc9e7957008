// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfile.h"
#include "core/document/textfingerprint.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>

class CommonDialog;
class PageFiller;
class QLabel;
class QMainWindow;
class QProgressBar;
class QWidget;
class SourceEditor;

// The filter of the Open and Save dialogs, the first one selected.
inline constexpr QStringView documentFilter = u"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|TEXTﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*";

// The file commands of the main window: new, open, save, exit. The shared
// dialog's FileName is the only link between them. A document is written
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
    };

    // Sets the dialog's filter, the caption and a status bar showing the
    // document's encoding and line ends.
    DocumentFiles(QMainWindow *window, SourceEditor *editor, CommonDialog *dialog);
    ~DocumentFiles() override;

    // Opens path (from the command line) as the Open command does after its
    // dialog. False when it was not opened: an error was shown, or the user
    // kept the unsaved changes.
    bool openPath(const QString &path);

    // For the window's close event: true when the window may close, after
    // asking about unsaved changes; false keeps it open.
    bool queryClose();

    const TextFormat &format() const { return m_disk.format; }
    QString strOpen() const { return m_strOpen; }
    QString strNewFile() const { return m_strNewFile; }

    void setBackend(std::unique_ptr<Backend> backend);

public slots:
    void newDocument();
    bool openDocument();
    bool saveDocument();
    // Asks about unsaved changes, then closes the main window, which ends the program.
    void exitProgram();

private:
    // The document as its file holds it: what was last read or written.
    struct Disk {
        TextFormat format;
        QByteArray bytes;     // empty when writing the text gives them back
        TextFingerprint text;
    };

    bool settleChanges();
    void showFilling(PageFiller *filler);
    bool load(const QString &path);
    void showDocument(const QString &path);
    void updateCaption();
    void updateStatus();

    QMainWindow *m_window;
    SourceEditor *m_editor;
    CommonDialog *m_dialog;
    QLabel *m_status;
    QProgressBar *m_loading;
    std::unique_ptr<Backend> m_backend;
    Disk m_disk;
    QString m_strOpen;
    QString m_strNewFile;
    QString m_captionPath;
    bool m_closeSettled = false;
};
