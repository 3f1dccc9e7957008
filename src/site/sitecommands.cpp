// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitecommands.h"

#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "editor/editorplaces.h"
#include "editor/sourceeditor.h"
#include "site/foldersearchdialog.h"
#include "site/linkcheckpanel.h"
#include "site/sitedrop.h"
#include "site/sitefolder.h"
#include "site/sitepane.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>

namespace {

QString canonical(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

} // namespace

SiteCommands::SiteCommands(QMainWindow *window, SourceEditor *editor, DocumentFiles *files, DocumentSession *session,
                           const SiteActions &actions)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_files(files)
    , m_session(session)
    , m_folder(new SiteFolder([session] { return session->path(); }, this))
    , m_pane(new SitePane(window, m_folder, [files](const QString &path) { files->openPath(path); }))
    , m_linkCheck(new LinkCheckPanel(window, m_folder,
                                     [this](const QString &path, qsizetype line, qsizetype column) {
                                         openAt(path, line, column);
                                     }))
{
    new SiteDrop(editor, [session] { return session->path(); }, this);

    for (QAction *action : {actions.openFolder, actions.sitePane, actions.findInFolder, actions.checkSiteLinks})
        action->setEnabled(true);
    connect(actions.openFolder, &QAction::triggered, this, [this] {
        if (m_folder->choose(m_window))
            m_pane->setShown(true);
    });
    connect(actions.sitePane, &QAction::toggled, m_pane, &SitePane::setShown);
    connect(m_pane, &SitePane::shownChanged, actions.sitePane, &QAction::setChecked);
    connect(actions.findInFolder, &QAction::triggered, this, [this] {
        // The dialog is made when first asked for: a first start creates none.
        if (!m_folderSearch) {
            m_folderSearch = new FolderSearchDialog(
                m_folder,
                [this] {
                    QHash<QString, SourceEditor *> open;
                    if (const QString path = canonical(m_session->path()); !path.isEmpty())
                        open.insert(path, m_editor);
                    return open;
                },
                [this](const QString &path, qsizetype line, qsizetype column) { openAt(path, line, column); },
                m_window);
        }
        m_folderSearch->showSearch();
    });
    connect(actions.checkSiteLinks, &QAction::triggered, m_linkCheck, &LinkCheckPanel::checkSite);
}

void SiteCommands::openAt(const QString &path, qsizetype line, qsizetype column)
{
    if (canonical(path) != canonical(m_session->path()) && !m_files->openPath(path))
        return;
    m_window->activateWindow();
    moveCaretToLine(m_editor, line, column);
}
