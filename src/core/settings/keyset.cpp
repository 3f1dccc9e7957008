// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/keyset.h"

using namespace Qt::StringLiterals;

const QList<KeyBinding> &keyBindings()
{
    static const QList<KeyBinding> table{
        {u"new", u"Ctrl+N", u"Ctrl+N"},
        {u"open", u"Ctrl+O", u"Ctrl+O"},
        {u"save", u"Ctrl+S", u"Ctrl+Shift+S"},
        {u"overwriteSave", u"", u"Ctrl+S"},
        {u"editUndo", u"", u"Ctrl+Z"},
        {u"editRedo", u"", u"Ctrl+Y"},
        {u"editCut", u"", u"Ctrl+X"},
        {u"editCopy", u"", u"Ctrl+C"},
        {u"editPaste", u"", u"Ctrl+V"},
        {u"editSelectAll", u"", u"Ctrl+A"},
        {u"editFind", u"", u"Ctrl+F"},
        {u"editFindNext", u"", u"F3"},
        {u"editFindPrevious", u"", u"Shift+F3"},
        {u"editReplace", u"", u"Ctrl+H"},
        {u"editGotoLine", u"", u"Ctrl+G"},
        // No designed key uses it.
        {u"complete", u"Ctrl+Space", u"Ctrl+Space"},
        {u"FontNameset", u"Ctrl+F", u"Ctrl+Shift+F"},
        {u"FontSizeset", u"Ctrl+P", u"Ctrl+P"},
        {u"leftset", u"Ctrl+L", u"Ctrl+L"},
        {u"centerset", u"Ctrl+C", u"Ctrl+E"},
        {u"rightset", u"Ctrl+R", u"Ctrl+R"},
        {u"TableWizard", u"Ctrl+W", u"Ctrl+W"},
        {u"GetColors", u"Ctrl+G", u"Ctrl+Shift+G"},
    };
    return table;
}

QKeySequence keyFor(const KeyBinding &binding, KeySet set)
{
    return QKeySequence((set == KeySet::Standard ? binding.standard : binding.designed).toString());
}

QString keySetName(KeySet set)
{
    return set == KeySet::Standard ? u"standard"_s : u"designed"_s;
}

KeySet keySetNamed(QStringView name)
{
    return name == u"standard" ? KeySet::Standard : KeySet::Designed;
}
