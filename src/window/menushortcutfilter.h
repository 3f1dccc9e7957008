// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// Lets the menu's shortcuts win over the text widgets of one window.
// Qt's text fields and editable combos claim keys such as Ctrl+C (copy) for
// themselves before any shortcut is looked at; the program's menu gives Ctrl+C
// to centring instead, so for a key that is the shortcut of one of the given
// enabled actions the widget's claim is turned down and the action runs.
// Keys no action owns keep their usual meaning (Ctrl+Insert still copies).
// Install it on the application object.
class MenuShortcutFilter : public QObject
{
    Q_OBJECT
public:
    MenuShortcutFilter(QWidget *window, const QList<QAction *> &actions, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QList<QPointer<QAction>> m_actions;
};
