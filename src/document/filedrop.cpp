// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/filedrop.h"

#include "document/documentfiles.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

// The first local file among what is dragged, or nothing.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

FileDrop::FileDrop(DocumentFiles *files, const QList<QWidget *> &targets, QObject *parent)
    : QObject(parent)
    , m_files(files)
{
    for (QWidget *target : targets) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            break;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Opened once the drag is over: its questions must not run inside the
        // drag and drop of the program the file came from.
        QTimer::singleShot(0, m_files, [files = m_files, path] { files->openPath(path); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
