// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/optiontools.h"

#include <QFileInfo>

static QString exePath(const QString &programDir, const OptionTool &tool)
{
    return programDir + u'/' + tool.folder + u'/' + tool.program + u".exe";
}

QString findOptionTool(const QString &programDir, const OptionTool &tool)
{
    // Like a file search in one folder: any file of that name will do, the
    // way the tools have always been found.
    const QString exe = exePath(programDir, tool);
    if (QFileInfo(exe).isFile())
        return exe;
#ifndef Q_OS_WIN
    const QFileInfo plain(programDir + u'/' + tool.folder + u'/' + tool.program);
    if (plain.isFile() && plain.isExecutable())
        return plain.filePath();
#endif
    return {};
}

QString optionToolPath(const QString &programDir, const OptionTool &tool)
{
    const QString found = findOptionTool(programDir, tool);
    return found.isEmpty() ? exePath(programDir, tool) : found;
}
