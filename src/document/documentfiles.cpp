// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentfiles.h"

#include "core/window/apptitle.h"
#include "window/commondialog.h"
#include "core/document/diskfile.h"
#include "editor/editortext.h"
#include "core/document/filemessages.h"
#include "editor/pagefiller.h"
#include "editor/sourceeditor.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

class MessageBoxes : public DocumentFiles::Backend
{
public:
    DocumentFiles::Answer askToSave(QWidget *parent, const QString &question) override
    {
        QMessageBox box(QMessageBox::Question, appTitle.toString(), question, QMessageBox::NoButton, parent);
        QPushButton *save = box.addButton(u"保存する"_s, QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(u"保存しない"_s, QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(u"キャンセル"_s, QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return DocumentFiles::Answer::Save;
        if (box.clickedButton() == discard)
            return DocumentFiles::Answer::Discard;
        return DocumentFiles::Answer::Cancel;
    }

    bool askToSaveAsUtf8(QWidget *parent, const QString &question) override
    {
        QMessageBox box(QMessageBox::Warning, appTitle.toString(), question, QMessageBox::NoButton, parent);
        QPushButton *utf8 = box.addButton(u"UTF-8 で保存する"_s, QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(u"キャンセル"_s, QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == utf8;
    }

    void showError(QWidget *parent, const QString &message) override
    {
        QMessageBox box(QMessageBox::Critical, appTitle.toString(), message, QMessageBox::NoButton, parent);
        box.setEscapeButton(box.addButton(u"OK"_s, QMessageBox::AcceptRole));
        box.exec();
    }
};

bool declaresCharset(QStringView text)
{
    return declaredEncoding(text.first(std::min<qsizetype>(text.size(), 64 * 1024)).toUtf8()).has_value();
}

} // namespace

DocumentFiles::DocumentFiles(QMainWindow *window, SourceEditor *editor, CommonDialog *dialog)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_dialog(dialog)
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
    m_loading->hide();
    m_window->statusBar()->addWidget(m_loading);
    connect(m_editor, &SourceEditor::modificationChanged, m_window, &QWidget::setWindowModified);
    updateCaption();
    updateStatus();
}

DocumentFiles::~DocumentFiles() = default;

void DocumentFiles::setBackend(std::unique_ptr<Backend> backend)
{
    m_backend = std::move(backend);
}

void DocumentFiles::newDocument()
{
    if (!settleChanges())
        return;
    setEditorText(m_editor, QString());
    m_disk = Disk{};
    m_dialog->setFileName(QString());
    m_captionPath.clear();
    updateCaption();
    updateStatus();
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
    return load(path);
}

bool DocumentFiles::openPath(const QString &path)
{
    return load(QFileInfo(path).absoluteFilePath());
}

// The file is read and decoded before the question about unsaved changes: a
// file that cannot be opened costs the user no decision.
bool DocumentFiles::load(const QString &path)
{
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
    if (!settleChanges())
        return false;
    m_strOpen = path;
    // A page of many megabytes goes into the editor a piece at a time, which
    // works out its fingerprint on the way. Its bytes are let go when writing
    // its text gives them back: the page is not held twice over.
    if (read.text.size() >= PageFiller::piecewiseFrom && writesBack(read.text, read.format, bytes))
        bytes = QByteArray();
    const bool inPieces = PageFiller::takesPieces(read.text);
    m_disk = Disk{read.format, std::move(bytes), inPieces ? TextFingerprint() : fingerprintOf(read.text)};
    PageFiller *filler = setEditorText(m_editor, std::move(read.text));
    if (filler) {
        connect(filler, &PageFiller::filled, this, [this](const TextFingerprint &text) { m_disk.text = text; });
        showFilling(filler);
    }
    showDocument(path);
    return true;
}

bool DocumentFiles::saveDocument()
{
    const QString previous = m_dialog->fileName();
    if (!m_dialog->showSave())
        return false;
    const QString path = m_dialog->fileName();
    m_dialog->setFileName(previous);

    const QString text = editorText(m_editor);
    TextFormat format = m_disk.format;
    QByteArray bytes;
    // Unedited, the file's own bytes go back: where an encoding has two codes
    // for one character (NEC and IBM kanji in Shift_JIS), or lines end in
    // mixed styles, encoding the text again would change bytes. Bytes that
    // were let go are the ones encoding the text gives.
    const bool fileBytes = fingerprintOf(text) == m_disk.text && !m_disk.bytes.isEmpty();
    if (fileBytes) {
        bytes = m_disk.bytes;
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

    const bool oldFileKept = QFileInfo(path).isFile();
    DiskFailure failure;
    if (!writeFileSafely(path, bytes, &failure)) {
        m_backend->showError(m_window, saveFailedMessage(path, failure.reason, oldFileKept));
        return false;
    }
    m_strNewFile = path;
    m_disk = Disk{format, fileBytes ? std::move(bytes) : QByteArray(), fingerprintOf(text)};
    m_editor->document()->setModified(false);
    showDocument(path);
    return true;
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
    if (!m_editor->document()->isModified())
        return true;
    switch (m_backend->askToSave(m_window, saveChangesQuestion(m_captionPath))) {
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
        m_loading->show();
    });
    connect(filler, &PageFiller::finished, m_loading, &QWidget::hide);
}

void DocumentFiles::showDocument(const QString &path)
{
    m_dialog->setFileName(path);
    m_captionPath = path;
    updateCaption();
    updateStatus();
}

void DocumentFiles::updateCaption()
{
    QString caption = appTitle.toString();
    if (!m_captionPath.isEmpty())
        caption += u"  - " + QString(m_captionPath).replace(u"[*]"_s, u"[*][*]"_s);
    // Qt shows "[*]" as the unsaved-changes mark, or nothing.
    m_window->setWindowTitle(caption + u"[*]");
    m_window->setWindowModified(m_editor->document()->isModified());
}

void DocumentFiles::updateStatus()
{
    m_status->setText(u"文字コード: " + formatName(m_disk.format) + u"　改行: " + lineEndName(m_disk.format.lineEnd));
}
