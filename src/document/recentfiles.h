// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class DocumentFiles;
class DocumentSession;
class QMenu;
class QTimer;

// The File menu's list of the pages last opened or saved, newest first,
// remembered between runs. Choosing one opens it as Open does; one that is
// gone from disk is said so and leaves the list.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int capacity = 10;

    RecentFiles(QMenu *menu, DocumentSession *session, DocumentFiles *files, QObject *parent = nullptr);
    ~RecentFiles() override;

    QStringList paths() const { return m_paths; }

private:
    void add(const QString &path);
    void remove(const QString &path);
    void openEntry(QString path);
    void store();
    void write();
    void fillMenu();

    QMenu *m_menu;
    DocumentSession *m_session;
    DocumentFiles *m_files;
    QTimer *m_write;
    QStringList m_paths;
};
