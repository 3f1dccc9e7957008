// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/settingsdialog.h"

class QCheckBox;
class QComboBox;

// The settings page 挿入: how Insert and the table wizard write their markup,
// and which catalogue the palette offers.
// Everything is off on a first start, so both write exactly as designed.
class InsertSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit InsertSettingsPage(QWidget *parent = nullptr);

    QString title() const override;
    void load() override;
    void apply() override;

private:
    QCheckBox *m_wrap = nullptr;
    QCheckBox *m_caret = nullptr;
    QComboBox *m_style = nullptr;
    QComboBox *m_catalogue = nullptr;
};
