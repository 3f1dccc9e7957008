// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringView>

// The two sets of menu keys. The designed set gives Ctrl+C to centring and
// Ctrl+F to the font dialog, and leaves the added commands without keys; the
// standard set gives the keys most editors use to copying, finding and saving
// in place, and moves the designed commands it displaces to free keys.
enum class KeySet { Designed, Standard };

struct KeyBinding {
    QStringView item; // the menu item's objectName
    QStringView designed;
    QStringView standard;
};

// Every menu item whose key depends on the set, in menu order.
const QList<KeyBinding> &keyBindings();

QKeySequence keyFor(const KeyBinding &binding, KeySet set);

// How the set is remembered: "designed" or "standard"; anything else is the
// designed set.
QString keySetName(KeySet set);
KeySet keySetNamed(QStringView name);
