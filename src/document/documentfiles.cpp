// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentfiles.h"

#include "core/document/diskfile.h"
#include "core/document/disksnapshot.h"
#include "core/document/editorplaceholders.h"
#include "core/document/filemessages.h"
#include "core/document/interruptedsave.h"
#include "core/document/nativepath.h"
#include "core/window/apptitle.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "window/commondialog.h"
#include "window/messagebox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class MessageBoxes : public DocumentFiles::Backend
{
public:
    DocumentFiles::Answer askToSave(QWidget *parent, const QString &question) override
    {
        static constexpr DocumentFiles::Answer answers[]{DocumentFiles::Answer::Save, DocumentFiles::Answer::Discard,
                                                        DocumentFiles::Answer::Cancel};
        return answers[askChoice(parent, QMessageBox::Question, question,
                                 {{u"保存する"_s, QMessageBox::AcceptRole},
                                  {u"保存しない"_s, QMessageBox::DestructiveRole},
                                  {u"キャンセル"_s, QMessageBox::RejectRole}},
                                 0, 2)];
    }

    bool askToSaveAsUtf8(QWidget *parent, const QString &question) override
    {
        return askChoice(parent, QMessageBox::Warning, question,
                         {{u"UTF-8 で保存する"_s, QMessageBox::AcceptRole}, {u"キャンセル"_s, QMessageBox::RejectRole}}, 1, 1)
            == 0;
    }

    void showError(QWidget *parent, const QString &message) override
    {
        showMessage(parent, QMessageBox::Critical, message);
    }

    // Reloading an edited page loses the edits: there keeping them is the default.
    bool askToReload(QWidget *parent, const QString &question, bool modified) override
    {
        if (modified)
            return askChoice(parent, QMessageBox::Warning, question,
                             {{u"読み込み直す（編集を破棄）"_s, QMessageBox::DestructiveRole},
                              {u"編集を残す"_s, QMessageBox::RejectRole}},
                             1, 1)
                == 0;
        return askChoice(parent, QMessageBox::Question, question,
                         {{u"読み込み直す"_s, QMessageBox::AcceptRole}, {u"このままにする"_s, QMessageBox::RejectRole}}, 0, 1)
            == 0;
    }

    bool askToOverwrite(QWidget *parent, const QString &question) override
    {
        return askChoice(parent, QMessageBox::Warning, question,
                         {{u"上書き保存する"_s, QMessageBox::DestructiveRole}, {u"キャンセル"_s, QMessageBox::RejectRole}},
                         1, 1)
            == 0;
    }

    void showWarning(QWidget *parent, const QString &message) override
    {
        showMessage(parent, QMessageBox::Warning, message);
    }
};

bool isFileOnDisk(const QString &path)
{
    struct stat info;
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool declaresCharset(QStringView text)
{
    return declaredEncoding(text.first(std::min<qsizetype>(text.size(), 64 * 1024)).toUtf8()).has_value();
}

} // namespace

DocumentFiles::DocumentFiles(QMainWindow *window, SourceEditor *editor, CommonDialog *dialog, DocumentSession *session)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_dialog(dialog)
    , m_session(session)
    , m_status(new QLabel(window))
    , m_loading(new QProgressBar(window))
    , m_backend(std::make_unique<MessageBoxes>())
{
    m_status->setObjectName(u"fileFormat"_s);
    m_window->statusBar()->addPermanentWidget(m_status);
    m_loading->setObjectName(u"loadProgress"_s);
    m_loading->setRange(0, 1000);
    m_loading->setMaximumWidth(200);
    m_loading->setFormat(u"読み込み中 %p%"_s);
    // In the status bar only while a page goes in, and no taller than its
    // text: the window keeps its designed layout.
    m_loading->hide();
    connect(m_session, &DocumentSession::pathChanged, this, &DocumentFiles::updateCaption);
    connect(m_session, &DocumentSession::pathChanged, m_dialog, &CommonDialog::setFileName);
    connect(m_session, &DocumentSession::formatChanged, this, &DocumentFiles::updateStatus);
    connect(m_session, &DocumentSession::modificationChanged, m_window, &QWidget::setWindowModified);
    connect(m_session, &DocumentSession::changedOnDisk, this, &DocumentFiles::changedOnDisk);
    // Coming back to the window is when a change made elsewhere shows.
    m_window->installEventFilter(this);
    updateCaption();
    updateStatus();
}

DocumentFiles::~DocumentFiles() = default;

void DocumentFiles::setBackend(std::unique_ptr<Backend> backend)
{
    m_backend = std::move(backend);
}

bool DocumentFiles::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowActivate)
        m_session->checkDisk();
    return QObject::eventFilter(watched, event);
}

void DocumentFiles::newDocument()
{
    if (!settleChanges())
        return;
    m_editor->setHoldsStandIns(false);
    m_session->startNew();
}

bool DocumentFiles::openDocument()
{
    // FileName keeps its value until the file is in: a file that cannot be
    // opened, or a kept document, leaves it as it was.
    const QString previous = m_dialog->fileName();
    if (!m_dialog->showOpen())
        return false;
    const QString path = m_dialog->fileName();
    m_dialog->setFileName(previous);
    return load(path, true);
}

bool DocumentFiles::openPath(const QString &path)
{
    // By hand, not through QFileInfo: a name that is not UTF-8 keeps its bytes.
    if (QDir::isRelativePath(path))
        return load(QDir::cleanPath(QDir::currentPath() + u'/' + path), true);
    return load(QDir::cleanPath(path), true);
}

bool DocumentFiles::openRecent(const QString &path)
{
    if (!statSnapshot(path).exists) {
        m_backend->showError(m_window, recentMissingMessage(path));
        return false;
    }
    return openPath(path);
}

bool DocumentFiles::reloadDocument()
{
    return !m_session->path().isEmpty() && load(m_session->path(), false);
}

// The file is read and decoded before the question about unsaved changes: a
// file that cannot be opened costs the user no decision.
bool DocumentFiles::load(const QString &chosen, bool askFirst)
{
    // A name Qt showed with U+FFFD for bytes that are not UTF-8 is the
    // existing file of those bytes.
    const QString path = recoverNativePath(chosen);
    // A save into a page of this folder that did not finish is put right
    // before any page there is read; leftovers of killed saves go.
    tellRepairs(tidyFolder(path.left(std::max<qsizetype>(1, path.lastIndexOf(u'/')))));
    // Taken before reading: a change made while the file is read shows as a
    // change at the next look.
    DiskSnapshot snapshot = statSnapshot(path);
    QByteArray bytes;
    DiskFailure failure;
    if (!readWholeFile(path, &bytes, &failure)) {
        m_backend->showError(m_window, openFailedMessage(path, failure.reason));
        return false;
    }
    ReadText read = readText(bytes);
    if (!read.ok()) {
        m_backend->showError(m_window, refusedMessage(path, read.refusal, read.format));
        return false;
    }
    if (askFirst && !settleChanges())
        return false;
    snapshot.hash = contentHash(bytes);
    const qsizetype breakers = holdForEditor(read.text);
    m_session->open(path, read.format, std::move(bytes), std::move(read.text), snapshot);
    if (PageFiller *filler = pageFiller(m_editor))
        showFilling(filler);
    if (breakers > 0)
        m_backend->showWarning(m_window, editorBreakersMessage(path, breakers, m_editor->holdsStandIns()));
    return true;
}

void DocumentFiles::repairInterruptedSaves()
{
    tellRepairs(::repairInterruptedSaves());
}

void DocumentFiles::tellRepairs(const QList<SaveRepair> &repairs)
{
    if (!repairs.isEmpty())
        m_backend->showWarning(m_window, interruptedSavesMessage(repairs));
}

bool DocumentFiles::restoreDocument(const QString &path, const TextFormat &format, const QString &text)
{
    if (!settleChanges())
        return false;
    QString held = text;
    holdForEditor(held);
    if (PageFiller *filler = m_session->restore(path, format, std::move(held)))
        showFilling(filler);
    return true;
}

// The editor shows U+2029, U+FDD0 and U+FDD1 as line ends; where it can,
// stand-ins keep them as characters until the text is written. Returns how
// many there are.
qsizetype DocumentFiles::holdForEditor(QString &text)
{
    const qsizetype breakers = countEditorBreakers(text);
    const bool standIns = breakers > 0 && canUsePlaceholders(text);
    m_editor->setHoldsStandIns(standIns);
    if (standIns)
        putPlaceholders(text);
    return breakers;
}

bool DocumentFiles::saveDocument()
{
    const QString previous = m_dialog->fileName();
    if (!m_dialog->showSave())
        return false;
    // A name Qt's dialog showed with U+FFFD for bytes that are not UTF-8 is
    // the existing file of those bytes.
    const QString path = recoverNativePath(m_dialog->fileName());
    m_dialog->setFileName(previous);
    if (!confirmOverwrite(path))
        return false;
    return writeTo(path);
}

bool DocumentFiles::overwriteSave()
{
    const QString path = m_session->path();
    if (path.isEmpty())
        return saveDocument();
    if (!confirmOverwrite(path))
        return false;
    return writeTo(path);
}

// Everything a save guards, whichever command chose the path.
bool DocumentFiles::writeTo(const QString &path)
{
    // held is the editor's text, stand-ins included; text is what is written.
    const QString held = PageText(m_editor, PageText::Form::Editor).all();
    const QString text = PageText(m_editor).all();
    TextFormat format = m_session->format();
    QByteArray bytes;
    // Unedited, the file's own bytes go back: where an encoding has two codes
    // for one character (NEC and IBM kanji in Shift_JIS), or lines end in
    // mixed styles, encoding the text again would change bytes. Bytes that
    // were let go are the ones encoding the text gives.
    const bool fileBytes = !m_session->diskBytes().isEmpty() && fingerprintOf(held) == m_session->diskText();
    if (fileBytes) {
        bytes = m_session->diskBytes();
    } else {
        WrittenText written = writeText(text, format);
        if (!written.ok()) {
            const TextFormat utf8{TextEncoding::Utf8, false, format.lineEnd};
            WrittenText inUtf8 = writeText(text, utf8);
            if (!inUtf8.ok()) {
                m_backend->showError(m_window, unsavableMessage(path, inUtf8));
                return false;
            }
            const bool declared = declaresCharset(text);
            if (!m_backend->askToSaveAsUtf8(m_window, saveAsUtf8Question(path, format, written, declared)))
                return false;
            written = std::move(inUtf8);
            format = utf8;
        }
        bytes = std::move(written.bytes);
    }

    const bool oldFileExisted = isFileOnDisk(path);
    DiskFailure failure;
    m_session->setSaving(true);
    const bool written = writeFileSafely(path, bytes, &failure);
    DiskSnapshot snapshot = statSnapshot(path);
    m_session->setSaving(false);
    if (!written) {
        m_backend->showError(m_window, saveFailedMessage(path, failure.reason, oldFileExisted && !failure.oldFileDamaged));
        return false;
    }
    snapshot.hash = contentHash(bytes);
    m_session->saved(path, format, fileBytes ? std::move(bytes) : QByteArray(), held, snapshot);
    return true;
}

// Writing over the page's own file asks first when another program changed
// it since it was read or saved: that change would be lost. A file that is
// gone is simply written anew.
bool DocumentFiles::confirmOverwrite(const QString &path)
{
    if (m_session->path().isEmpty())
        return true;
    const DiskSnapshot target = statSnapshot(path);
    const DiskSnapshot &ours = m_session->snapshot();
    const bool ownFile = path == m_session->path()
        || (target.exists && ours.exists && target.device == ours.device && target.inode == ours.inode);
    if (!ownFile || !target.exists)
        return true;
    // Compared with the page's own file, wherever the dialog's name led.
    DiskSnapshot current;
    if (m_session->diskChange(&current) != DocumentSession::DiskChange::Changed)
        return true;
    // One question about one change: coming back to the window after this
    // one asks nothing more.
    m_session->acknowledge(current);
    return m_backend->askToOverwrite(m_window, overwriteChangedQuestion(path));
}

void DocumentFiles::changedOnDisk(DocumentSession::DiskChange change)
{
    const QString path = m_session->path();
    if (change == DocumentSession::DiskChange::Deleted) {
        // The text is now held nowhere else: closing asks about it.
        m_session->markDeleted();
        m_backend->showWarning(m_window, deletedOnDiskMessage(path));
        return;
    }
    const bool modified = m_session->isModified();
    if (m_backend->askToReload(m_window, changedOnDiskQuestion(path, modified), modified))
        reloadDocument();
}

void DocumentFiles::exitProgram()
{
    if (!settleChanges())
        return;
    // The window's close event asks queryClose() again; the answer is given.
    m_closeSettled = true;
    m_window->close();
    m_closeSettled = false;
}

bool DocumentFiles::queryClose()
{
    return m_closeSettled || settleChanges();
}

// True when the document may be replaced: unchanged, saved, or given up.
bool DocumentFiles::settleChanges()
{
    if (!m_session->isModified())
        return true;
    switch (m_backend->askToSave(m_window, saveChangesQuestion(m_session->path()))) {
    case Answer::Save:
        return saveDocument();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

// A page that takes more than half a second to go in shows how far it is.
void DocumentFiles::showFilling(PageFiller *filler)
{
    QElapsedTimer started;
    started.start();
    connect(filler, &PageFiller::progressed, m_loading, [this, started](qsizetype done, qsizetype total) {
        if (started.elapsed() < 500)
            return;
        m_loading->setValue(int(done * 1000 / std::max<qsizetype>(total, 1)));
        if (m_loading->isHidden()) {
            m_loading->setMaximumHeight(m_status->sizeHint().height());
            m_window->statusBar()->addWidget(m_loading);
            m_loading->show();
        }
    });
    connect(filler, &PageFiller::finished, m_loading, [this] { m_window->statusBar()->removeWidget(m_loading); });
}

void DocumentFiles::updateCaption()
{
    QString caption = appTitle.toString();
    const QString path = m_session->path();
    if (!path.isEmpty())
        caption += u"  - " + displayedPath(path).replace(u"[*]"_s, u"[*][*]"_s);
    // Qt shows "[*]" as the unsaved-changes mark, or nothing.
    m_window->setWindowTitle(caption + u"[*]");
    m_window->setWindowModified(m_session->isModified());
}

void DocumentFiles::updateStatus()
{
    const TextFormat &format = m_session->format();
    m_status->setText(u"文字コード: " + formatName(format) + u"　改行: " + lineEndName(format.lineEnd));
}
