// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/messagebox.h"

#include "core/window/apptitle.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

int askChoice(QWidget *parent, QMessageBox::Icon icon, const QString &text, std::initializer_list<ChoiceButton> buttons,
              int defaultIndex, int escapeIndex)
{
    QMessageBox box(icon, appTitle.toString(), text, QMessageBox::NoButton, parent);
    QList<QPushButton *> added;
    for (const ChoiceButton &button : buttons)
        added << box.addButton(button.caption, button.role);
    box.setDefaultButton(added.at(defaultIndex));
    box.setEscapeButton(added.at(escapeIndex));
    box.exec();
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return pressed < 0 ? escapeIndex : int(pressed);
}

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    askChoice(parent, icon, text, {{u"OK"_s, QMessageBox::AcceptRole}}, 0, 0);
}
