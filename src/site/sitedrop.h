// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class SourceEditor;

// A file dragged from the site pane into the editor is linked at the drop
// point: the markup of linkMarkup(), relative to the page, in the style the
// palette writes, as one undo step. Files dragged from elsewhere are left to
// whatever opens them.
class SiteDrop : public QObject
{
    Q_OBJECT
public:
    // What the site pane's drags carry besides the files' addresses.
    static constexpr const char *mimeType = "application/x-tagpot-site-file";

    // pagePath gives the open page's path, empty for a page never saved.
    SiteDrop(SourceEditor *editor, std::function<QString()> pagePath, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SourceEditor *m_editor;
    std::function<QString()> m_pagePath;
};
