// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/wizarddialog.h"

class AttributeGroup;
struct TableSettings;

// frmTable2: the table's extended settings. "閉じる" only hides it, so its
// settings stay while the wizard is open.
class TableExtrasDialog : public WizardDialog
{
    Q_OBJECT
public:
    explicit TableExtrasDialog(QWidget *parent);

    void readInto(TableSettings &settings) const;

private:
    AttributeGroup *m_frame;
    AttributeGroup *m_rules;
    AttributeGroup *m_cellpadding;
    AttributeGroup *m_cellspacing;
    AttributeGroup *m_border;
};
