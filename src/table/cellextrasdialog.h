// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/wizarddialog.h"

class AttributeGroup;
struct TableSettings;

// frmTable3: the cells' extended settings. "閉じる" only hides it, so its
// settings stay while the wizard is open.
class CellExtrasDialog : public WizardDialog
{
    Q_OBJECT
public:
    explicit CellExtrasDialog(QWidget *parent);

    void readInto(TableSettings &settings) const;

private:
    AttributeGroup *m_nobr;
    AttributeGroup *m_background;
};
