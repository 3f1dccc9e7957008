// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menushortcutfilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <utility>

MenuShortcutFilter::MenuShortcutFilter(QWidget *window, const QList<QAction *> &actions, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    for (QAction *action : actions)
        m_actions.append(action);
}

bool MenuShortcutFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !m_window)
        return false;
    // Only inside the menu's own window: in a dialog over it the same keys
    // keep their usual meaning.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    for (const QAction *action : std::as_const(m_actions)) {
        if (!action || !action->isEnabled())
            continue;
        if (action->shortcuts().contains(pressed)) {
            // Swallowed unaccepted: no widget claims the key, so the
            // shortcut is looked up and the action runs.
            event->ignore();
            return true;
        }
    }
    return false;
}
