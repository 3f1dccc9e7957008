// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/pagekind.h"

#include <QObject>

// What the open page is written in, its one owner: first what the file's name
// says (a page without a file is HTML), then what the user chose for the page
// from the kind menu, until another file is opened or the page is saved under
// another name. Colouring, completion and the status bar follow kindChanged.
class PageKindChoice : public QObject
{
    Q_OBJECT
public:
    explicit PageKindChoice(QObject *parent = nullptr) : QObject(parent) {}

    PageKind kind() const { return m_kind; }

    // The kind the file's name gives; HTML for an empty path.
    void followFile(const QString &path);
    void choose(PageKind kind);

signals:
    void kindChanged(PageKind kind);

private:
    PageKind m_kind = PageKind::Html;
};
