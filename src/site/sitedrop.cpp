// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitedrop.h"

#include "core/palette/insertion.h"
#include "core/site/linkmarkup.h"
#include "editor/sourceeditor.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList siteFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasFormat(QString::fromLatin1(SiteDrop::mimeType)))
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

SiteDrop::SiteDrop(SourceEditor *editor, std::function<QString()> pagePath, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_pagePath(std::move(pagePath))
{
    m_editor->viewport()->installEventFilter(this);
}

bool SiteDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (siteFiles(drag->mimeData()).isEmpty() || m_editor->isReadOnly())
            break;
        m_editor->setTextCursor(m_editor->cursorForPosition(drag->position().toPoint()));
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = siteFiles(drop->mimeData());
        if (files.isEmpty() || m_editor->isReadOnly())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const QString page = m_pagePath();
        const QString pageFolder = page.isEmpty() ? QString() : QFileInfo(page).absolutePath();
        const MarkupStyle style = storedInsertOptions().style;
        QString markup;
        for (const QString &file : files)
            markup += linkMarkup(describeLinkTarget(file), pageFolder, style);
        m_editor->setTextCursor(m_editor->cursorForPosition(drop->position().toPoint()));
        m_editor->setSelText(markup);
        m_editor->setFocus(Qt::OtherFocusReason);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
