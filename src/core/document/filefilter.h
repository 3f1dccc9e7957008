// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

// Turns a filter written as "description|patterns|description|patterns…"
// (patterns separated by ";") into the name filters of a file dialog,
// "description (pattern pattern)", in the same order.
QStringList nameFiltersFrom(QStringView filter);
