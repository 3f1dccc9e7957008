// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recentfiles.h"

#include "core/settings/settingkeys.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

using namespace Qt::StringLiterals;

RecentFiles::RecentFiles(QMenu *menu, DocumentSession *session, DocumentFiles *files, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_session(session)
    , m_files(files)
    , m_write(new QTimer(this))
    , m_paths(Settings::recentFiles.value())
{
    m_write->setSingleShot(true);
    connect(m_write, &QTimer::timeout, this, &RecentFiles::write);
    m_paths.removeAll(QString());
    m_paths.removeDuplicates();
    if (m_paths.size() > capacity)
        m_paths.resize(capacity);
    // Opened, read again, or saved under a new name: the page goes to the top.
    connect(m_session, &DocumentSession::textReplaced, this, [this] { add(m_session->path()); });
    connect(m_session, &DocumentSession::pathChanged, this, &RecentFiles::add);
    fillMenu();
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty() || (!m_paths.isEmpty() && m_paths.first() == path))
        return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    if (m_paths.size() > capacity)
        m_paths.resize(capacity);
    store();
}

void RecentFiles::remove(const QString &path)
{
    m_paths.removeAll(path);
    store();
}

// The menu follows at once; the settings file is written once the commands
// of the moment are done, as writing it is slow next to opening a small page.
void RecentFiles::store()
{
    fillMenu();
    m_write->start();
}

void RecentFiles::write()
{
    m_write->stop();
    Settings::recentFiles.setValue(m_paths);
}

RecentFiles::~RecentFiles()
{
    if (m_write->isActive())
        write();
}

void RecentFiles::openEntry(QString path)
{
    if (!m_files->openRecent(path) && !QFileInfo::exists(path))
        remove(path);
}

void RecentFiles::fillMenu()
{
    // The chosen entry may be the one whose signal is running: its action
    // goes once the signal is done.
    for (QAction *old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        const QString &path = m_paths[i];
        // 1 to 9, then 0 for the tenth; "&" in a path is shown, not an access key.
        const QString caption = u"&%1 "_s.arg((i + 1) % 10) + QString(path).replace(u"&"_s, u"&&"_s);
        QAction *entry = m_menu->addAction(caption);
        entry->setObjectName(u"recentFile%1"_s.arg(i + 1));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { openEntry(path); });
    }
    m_menu->menuAction()->setEnabled(!m_paths.isEmpty());
}
