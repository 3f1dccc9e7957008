// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/settingsdialog.h"

class QCheckBox;
class QRadioButton;
class QTableWidget;

// The settings dialog's page for keys and typing: the designed or the
// standard menu keys, each item's key in both listed, and whether typing
// "</" offers the closing tag.
class KeySetPage : public SettingsPage
{
    Q_OBJECT
public:
    // `window` names the menu items in the list.
    explicit KeySetPage(QWidget *window, QWidget *parent = nullptr);

    QString title() const override;
    void load() override;
    void apply() override;

private:
    QRadioButton *m_designed;
    QRadioButton *m_standard;
    QTableWidget *m_table;
    QCheckBox *m_closingTags;
    QCheckBox *m_completeWhileTyping;
};
