// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"

#include <QStandardPaths>

std::unique_ptr<QSettings> openSettings()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(folder + u"/tagpot/tagpot.conf", QSettings::IniFormat);
}
