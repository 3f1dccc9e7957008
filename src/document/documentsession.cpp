// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentsession.h"

#include "core/document/diskfile.h"
#include "core/document/editorplaceholders.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "document/pagekindchoice.h"
#include "editor/sourceeditor.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QTimer>
#include <utility>

// Another program writes a file in several steps: its notices are gathered
// for a moment, so that the user is asked about the finished file once.
static constexpr int settleMs = 150;

DocumentSession::DocumentSession(SourceEditor *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_kind(new PageKindChoice(this))
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleMs);
    connect(m_settle, &QTimer::timeout, this, &DocumentSession::settled);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DocumentSession::fileNoticed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DocumentSession::fileNoticed);
    connect(document(), &QTextDocument::modificationChanged, this, &DocumentSession::modificationChanged);
}

DocumentSession::~DocumentSession() = default;

QTextDocument *DocumentSession::document() const
{
    return m_editor->document();
}

bool DocumentSession::isModified() const
{
    return document()->isModified();
}

void DocumentSession::startNew()
{
    setEditorText(m_editor, QString());
    setFile(QString(), TextFormat{}, QByteArray(), TextFingerprint(), DiskSnapshot{});
    m_kind->followFile(QString());
    emit textReplaced();
}

void DocumentSession::open(const QString &path, const TextFormat &format, QByteArray bytes, QString text,
                           const DiskSnapshot &snapshot)
{
    // A page of many megabytes goes into the editor a piece at a time, which
    // works out its fingerprint on the way; its bytes are let go when writing
    // its text gives them back. Not while the editor would show some of its
    // characters as line ends: it gives those back as line ends.
    if (text.size() >= PageFiller::piecewiseFrom && countEditorBreakers(text) == 0
        && writesBack(text, format, bytes))
        bytes = QByteArray();
    const TextFingerprint print = PageFiller::takesPieces(text) ? TextFingerprint() : fingerprintOf(text);
    PageFiller *filler = setEditorText(m_editor, std::move(text));
    if (filler)
        connect(filler, &PageFiller::filled, this, [this](const TextFingerprint &text) { m_diskText = text; });
    setFile(path, format, std::move(bytes), print, snapshot);
    m_kind->followFile(path);
    emit textReplaced();
}

PageFiller *DocumentSession::restore(const QString &path, const TextFormat &format, QString text)
{
    // The file as it is now: only a later change of it is asked about.
    DiskSnapshot snapshot = statSnapshot(path);
    QByteArray bytes;
    DiskFailure failure;
    if (snapshot.exists && readWholeFile(path, &bytes, &failure))
        snapshot.hash = contentHash(bytes);
    PageFiller *filler = setEditorText(m_editor, std::move(text));
    // Nothing on disk holds this text: no bytes to write back unedited.
    setFile(path, format, QByteArray(), TextFingerprint(), snapshot);
    m_kind->followFile(path);
    document()->setModified(true);
    emit textReplaced();
    return filler;
}

void DocumentSession::saved(const QString &path, const TextFormat &format, QByteArray bytes, QString text,
                            const DiskSnapshot &snapshot)
{
    // Saved under another name, the page is what that name says.
    if (path != m_path)
        m_kind->followFile(path);
    setFile(path, format, std::move(bytes), fingerprintOf(text), snapshot);
    document()->setModified(false);
}

void DocumentSession::setFile(const QString &path, const TextFormat &format, QByteArray bytes,
                              const TextFingerprint &text, const DiskSnapshot &snapshot)
{
    const bool pathChange = path != m_path;
    const bool formatChange = !(format == m_format);
    m_path = path;
    m_format = format;
    m_diskBytes = std::move(bytes);
    m_diskText = text;
    m_snapshot = snapshot;
    m_reported.reset();
    watch(path);
    if (pathChange)
        emit pathChanged(m_path);
    if (formatChange)
        emit formatChanged(m_format);
}

void DocumentSession::markDeleted()
{
    document()->setModified(true);
}

void DocumentSession::setSaving(bool saving)
{
    m_saving = saving;
    if (!saving && std::exchange(m_recheck, false))
        m_settle->start();
}

// The file and its folder are both watched: a program that saves by writing
// a new file and renaming it over the old one leaves the watch on a file that
// is gone, and a deleted file that comes back shows only in its folder.
void DocumentSession::watch(const QString &path)
{
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(folder))
        m_watcher->addPath(folder);
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
}

void DocumentSession::fileNoticed(const QString &)
{
    if (!m_path.isEmpty() && !m_watcher->files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
    m_settle->start();
}

// A change noticed while the user works in another program is asked about
// when they come back to the window, which looks at the file then.
void DocumentSession::settled()
{
    if (m_editor->window()->isActiveWindow())
        checkDisk();
}

std::optional<DocumentSession::DiskChange> DocumentSession::diskChange(DiskSnapshot *current)
{
    DiskSnapshot now = statSnapshot(m_path);
    if (current)
        *current = now;
    if (m_path.isEmpty() || now.sameStat(m_snapshot))
        return std::nullopt;
    if (!now.exists)
        return m_snapshot.exists ? std::optional(DiskChange::Deleted) : std::nullopt;
    QByteArray bytes;
    DiskFailure failure;
    // A file that cannot be read any more is no longer what was read.
    if (!readWholeFile(m_path, &bytes, &failure))
        return DiskChange::Changed;
    now.hash = contentHash(bytes);
    if (current)
        *current = now;
    if (m_snapshot.exists && now.size == m_snapshot.size && now.hash == m_snapshot.hash) {
        // Touched, or written again with the same bytes: the page still is the file.
        m_snapshot = now;
        return std::nullopt;
    }
    return DiskChange::Changed;
}

void DocumentSession::checkDisk()
{
    if (m_path.isEmpty())
        return;
    // Our own save writes the file; a check during a question or a dialog
    // waits for its answer.
    if (m_saving || m_checking || QApplication::activeModalWidget()) {
        m_recheck = true;
        return;
    }
    QScopedValueRollback checking(m_checking, true);
    if (m_reported && statSnapshot(m_path).sameStat(*m_reported))
        return;
    DiskSnapshot current;
    const std::optional<DiskChange> change = diskChange(&current);
    if (!change)
        return;
    m_reported = current;
    emit changedOnDisk(*change);
    if (std::exchange(m_recheck, false))
        m_settle->start();
}
