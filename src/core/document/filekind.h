// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/pagekind.h"

#include <QString>
#include <QStringView>

// The kind a file's name says it is: .html, .htm, .shtml and .xhtml are HTML,
// .css a stylesheet, .js and .mjs script; anything else is plain text.
PageKind pageKindOfFile(QStringView path);

// The kind's name as the status bar shows it.
QString pageKindName(PageKind kind);
