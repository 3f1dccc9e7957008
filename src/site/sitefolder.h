// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The folder of the site being worked on: what the site pane shows and where
// find in folder and the link check look, unless told otherwise. Empty until
// the user opens one; then the open page's folder stands in for it.
class SiteFolder : public QObject
{
    Q_OBJECT
public:
    // pagePath gives the open page's path, empty for a page never saved.
    SiteFolder(std::function<QString()> pagePath, QObject *parent = nullptr);

    QString path() const { return m_path; }
    // The folder to work in: the one opened, else the page's, else none.
    QString effectivePath() const;

    // Asks for a folder, starting on the one in effect: false when cancelled.
    bool choose(QWidget *parent);

public slots:
    void setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

private:
    std::function<QString()> m_pagePath;
    QString m_path;
};
