// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The editor's text, whose lines end in "\n", with every "\n" written as
// `lineEnd` ("\r\n", "\r" or "\n"). One pass into a string sized up front:
// fast on documents of many megabytes.
QString withLineEnds(const QString &text, QStringView lineEnd);
