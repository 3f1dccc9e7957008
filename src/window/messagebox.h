// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

#include <initializer_list>

// One button of a question: its caption and the role Qt lays it out by.
struct ChoiceButton {
    QString caption;
    QMessageBox::ButtonRole role;
};

// Shows a modal message box under the program's title with the given
// buttons and returns the index of the one pressed. Enter presses the
// default button, Escape and the close box the escape button.
int askChoice(QWidget *parent, QMessageBox::Icon icon, const QString &text, std::initializer_list<ChoiceButton> buttons,
              int defaultIndex, int escapeIndex);

// A message with a single OK button.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text);
