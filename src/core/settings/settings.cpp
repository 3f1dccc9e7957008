// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"

#include <QCoreApplication>
#include <QStandardPaths>

std::unique_ptr<QSettings> openSettings()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Test programs run side by side: each keeps its own file, so that what
    // one remembers never reaches another's first start.
    if (QStandardPaths::isTestModeEnabled() && !QCoreApplication::applicationName().isEmpty())
        folder += u'/' + QCoreApplication::applicationName();
    return std::make_unique<QSettings>(folder + u"/tagpot/tagpot.conf", QSettings::IniFormat);
}
