// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/wizarddialog.h"

class AttributeGroup;
class QLineEdit;
class UpDown;
enum class CountField;
struct TableSettings;

// frmTable1: table size, table, row and cell attributes. It only holds the
// settings; the wizard acts on its buttons. Cancel (and Escape) end it with
// Rejected.
class TableWizardDialog : public WizardDialog
{
    Q_OBJECT
public:
    explicit TableWizardDialog(QWidget *parent);

    void readInto(TableSettings &settings) const;
    // Puts the caret into a count box, its text selected for retyping.
    void focusCount(CountField field);

Q_SIGNALS:
    void okClicked();
    void getColorClicked();
    void tableExtrasClicked();
    void cellExtrasClicked();

private:
    QWidget *createSize();
    QWidget *createTableFrame();
    QWidget *createRowFrame();
    QWidget *createCellFrame();
    QLayout *createButtons();
    AttributeGroup *group(const char *frame, const QString &caption, const char *check);

    QLineEdit *m_rows = nullptr;
    QLineEdit *m_cols = nullptr;
    UpDown *m_rowsUpDown = nullptr;
    UpDown *m_colsUpDown = nullptr;

    AttributeGroup *m_tableWidth = nullptr;
    AttributeGroup *m_tableHeight = nullptr;
    AttributeGroup *m_tableAlign = nullptr;
    AttributeGroup *m_tableBgcolor = nullptr;
    AttributeGroup *m_tableBackground = nullptr;
    AttributeGroup *m_tableBorderColor = nullptr;

    AttributeGroup *m_rowAlign = nullptr;
    AttributeGroup *m_rowValign = nullptr;
    AttributeGroup *m_rowBackground = nullptr;
    AttributeGroup *m_rowBgcolor = nullptr;

    AttributeGroup *m_cellWidth = nullptr;
    AttributeGroup *m_cellHeight = nullptr;
    AttributeGroup *m_cellAlign = nullptr;
    AttributeGroup *m_cellValign = nullptr;
    AttributeGroup *m_cellBgcolor = nullptr;
};
