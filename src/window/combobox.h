// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// An editable drop-down as the palette and the wizard use it: a text field
// the user may type into and a list to pick from. Typing never adds an item,
// never completes from the list and leaves the combo with no item chosen:
// listIndex() is -1 from the first keystroke until the next pick.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    // The chosen item, -1 when none is chosen or the user typed over it.
    int listIndex() const;

    // Adds items without choosing one: the text field keeps what it shows.
    void addListItems(const QStringList &items);

    // Empties the list and the text field.
    void clearList();

Q_SIGNALS:
    // The user picked an item from the list (not raised by typing or by code).
    void picked(int index);

private:
    bool m_typedOver = false;
};
