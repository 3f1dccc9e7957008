// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/pagekindchoice.h"

#include "core/document/filekind.h"

void PageKindChoice::followFile(const QString &path)
{
    choose(path.isEmpty() ? PageKind::Html : pageKindOfFile(path));
}

void PageKindChoice::choose(PageKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    emit kindChanged(kind);
}
