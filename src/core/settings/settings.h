// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// The program's settings file, under the XDG config folder
// (~/.config/tagpot/tagpot.conf); tests redirect it with
// QStandardPaths::setTestModeEnabled(true).
std::unique_ptr<QSettings> openSettings();

// One remembered value: its key and what a first start uses. Every key the
// program keeps is declared once, in settingkeys.h.
template<typename T>
struct Setting {
    const char *key;
    T defaultValue;

    T value() const
    {
        const QVariant stored = openSettings()->value(QString::fromLatin1(key));
        return stored.isValid() && stored.canConvert<T>() ? stored.value<T>() : defaultValue;
    }
    void setValue(const T &value) const { openSettings()->setValue(QString::fromLatin1(key), QVariant::fromValue(value)); }
    void reset() const { openSettings()->remove(QString::fromLatin1(key)); }
};
