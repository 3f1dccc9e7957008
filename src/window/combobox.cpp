// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/combobox.h"

#include <QLineEdit>

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Leaving the field after typing an item's text would otherwise choose
    // that item and report it as picked.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typedOver = true; });
    connect(this, &QComboBox::activated, this, [this](int index) {
        m_typedOver = false;
        Q_EMIT picked(index);
    });
}

int ComboBox::listIndex() const
{
    return m_typedOver ? -1 : currentIndex();
}

void ComboBox::addListItems(const QStringList &items)
{
    const int before = currentIndex();
    const QString shown = currentText();
    addItems(items);
    if (before < 0) {
        setCurrentIndex(-1);
        setEditText(shown);
    }
}

void ComboBox::clearList()
{
    clear();
    clearEditText();
    m_typedOver = false;
}
