// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/combobox.h"

#include <QObject>
#include <QString>
#include <QTest>

// Finding a window's controls by their names and working them as the user does.

template<typename T>
T *control(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// What the combo does when the user picks item `index` from its list.
inline void pick(ComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

inline void pick(ComboBox *combo, const QString &item)
{
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(u"no item " + item + u" in " + combo->objectName()));
    pick(combo, index);
}
