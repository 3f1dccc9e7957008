// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QList>
#include <QString>
#include <QStringList>

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

// One question about several items, each answered on its own: a row per
// item with a choice box of choices, starting at defaults. A choice that
// only one item may take (exclusive, or -1) moves: taking it for one item
// gives the item that had it fallback. Returns the index chosen for each
// item, or nothing when the question was cancelled (Escape, the close box).
QList<int> askChoiceForEach(QWidget *parent, const QString &text, const QStringList &items, const QStringList &choices,
                            const QList<int> &defaults, int exclusive = -1, int fallback = -1);
