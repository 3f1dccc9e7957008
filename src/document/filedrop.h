// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DocumentFiles;
class QWidget;

// A file dropped on the window, the editor included, is opened as Open
// does, after the question about unsaved changes. Text dragged into the
// editor is still typed there: only files are taken.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    FileDrop(DocumentFiles *files, const QList<QWidget *> &targets, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DocumentFiles *m_files;
};
