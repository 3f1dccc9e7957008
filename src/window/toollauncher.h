// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

class QAction;
class QStatusBar;
class QWidget;

// The option-tools menu: at construction it looks once for the three sibling
// programs beside this one and enables the item of each one found; choosing
// an enabled item starts that program detached, without arguments, and
// returns at once. A start that fails is told in the status bar.
class ToolLauncher : public QObject
{
    Q_OBJECT
public:
    // The actions in the order of optionTools (ポルカ, Fennick, Tamsel).
    // programDir is where the tools' sub-folders are looked for.
    ToolLauncher(QWidget *window, QStatusBar *statusBar, QAction *polka, QAction *fennick, QAction *tamsel,
                 const QString &programDir = QCoreApplication::applicationDirPath());

    // Starts tool number index of optionTools; false when it could not be started.
    bool launch(int index);

private:
    QStatusBar *m_statusBar;
    QString m_programDir;
};
