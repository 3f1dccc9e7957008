// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/toollauncher.h"

#include "core/window/optiontools.h"

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>
#include <QWidget>

#include <array>

ToolLauncher::ToolLauncher(QWidget *window, QStatusBar *statusBar, QAction *polka, QAction *fennick,
                           QAction *tamsel, const QString &programDir)
    : QObject(window)
    , m_statusBar(statusBar)
    , m_programDir(programDir)
{
    // Settled once: a tool installed or removed later is noticed at the next start.
    const std::array<QAction *, optionTools.size()> actions{polka, fennick, tamsel};
    for (int index = 0; index < int(actions.size()); ++index) {
        QAction *action = actions[index];
        action->setEnabled(!findOptionTool(m_programDir, optionTools[index]).isEmpty());
        connect(action, &QAction::triggered, this, [this, index] { launch(index); });
    }
}

bool ToolLauncher::launch(int index)
{
    const OptionTool &tool = optionTools[index];
    const QString path = optionToolPath(m_programDir, tool);
    QString problem;
    if (!QFileInfo::exists(path)) {
        problem = u"「" + tool.caption + u"」が見つかりません（" + path + u"）";
    } else {
        // No working folder of its own: the tool starts in this program's
        // current folder, and lives on after this one ends.
        QProcess process;
        process.setProgram(path);
        if (!process.startDetached())
            problem = u"「" + tool.caption + u"」を起動できませんでした（" + path + u"）";
    }
    if (problem.isEmpty()) {
        m_statusBar->clearMessage();
        return true;
    }
    m_statusBar->showMessage(problem);
    return false;
}
