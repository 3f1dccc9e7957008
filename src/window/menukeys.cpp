// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menukeys.h"

#include <QAction>
#include <QWidget>

void applyKeySet(QWidget *window, KeySet set)
{
    for (const KeyBinding &binding : keyBindings()) {
        if (auto *action = window->findChild<QAction *>(binding.item.toString()))
            action->setShortcut(keyFor(binding, set));
    }
}
