// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"

#include <QFile>
#include <QStandardPaths>

// Settings for a window under test: the test folder, never the user's own,
// emptied, so that the next window is a first start. Call it before anything
// reads a setting.
inline void useFreshSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(openSettings()->fileName());
}
