// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// One line of Japanese on what a CSS property or at-rule (without its "@")
// does, for those a page written by hand uses most; empty for the rest.
QString cssPropertyNote(QStringView name);
QString cssAtRuleNote(QStringView name);
