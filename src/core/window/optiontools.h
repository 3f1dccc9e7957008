// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>

// A sibling program that may be installed beside this one, each in its own
// sub-folder of the program's folder.
struct OptionTool {
    QStringView actionName; // the menu item that starts it
    QStringView caption;    // how the menu and messages name it
    QStringView folder;     // sub-folder of the program's folder
    QStringView program;    // file name without ".exe"
};

// In the order the menu lists them and the start-up probe looks for them.
inline constexpr std::array<OptionTool, 3> optionTools{{
    {u"mnuPLK", u"ポルカ", u"ポルカ", u"ポルカ"},
    {u"mnuFNK", u"Fennick", u"FNK", u"Fennick"},
    {u"mnuTMS", u"Tamsel", u"TMS", u"Tamsel"},
}};

// The tool's file in its own sub-folder of programDir, and nowhere else:
// "<folder>/<program>.exe" when that file is there; where programs carry no
// ".exe", "<folder>/<program>" also counts when it is an executable file.
// Empty when the tool is not installed.
QString findOptionTool(const QString &programDir, const OptionTool &tool);

// The file a launch starts: the installed one, or where the tool belongs
// ("<folder>/<program>.exe") when it is not there.
QString optionToolPath(const QString &programDir, const OptionTool &tool);
