// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitefolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

SiteFolder::SiteFolder(std::function<QString()> pagePath, QObject *parent)
    : QObject(parent)
    , m_pagePath(std::move(pagePath))
{
}

QString SiteFolder::effectivePath() const
{
    if (!m_path.isEmpty())
        return m_path;
    const QString page = m_pagePath();
    return page.isEmpty() ? QString() : QFileInfo(page).absolutePath();
}

bool SiteFolder::choose(QWidget *parent)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, u"フォルダーを開く"_s, effectivePath());
    if (chosen.isEmpty())
        return false;
    setPath(chosen);
    return true;
}

void SiteFolder::setPath(const QString &path)
{
    const QString absolute = path.isEmpty() ? QString() : QDir(path).absolutePath();
    if (absolute == m_path)
        return;
    m_path = absolute;
    emit pathChanged(m_path);
}
