// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/wizarddialog.h"

#include <memory>

class AttributeGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class UpDown;
enum class CountField;
struct TableData;
struct TableSettings;

// frmTable1: table size, table, row and cell attributes. It only holds the
// settings; the wizard acts on its buttons. Cancel (and Escape) end it with
// Rejected.
class TableWizardDialog : public WizardDialog
{
    Q_OBJECT
public:
    explicit TableWizardDialog(QWidget *parent);
    ~TableWizardDialog() override;

    void readInto(TableSettings &settings) const;
    // Puts the caret into a count box, its text selected for retyping.
    void focusCount(CountField field);

    // Takes pasted cell texts: the counts follow them, and OK writes them.
    void setData(const TableData &data);

    // Sizes the dialog for a screen whose free area is `available`: the
    // designed size where it fits; otherwise the settings scroll and the
    // buttons stay in view.
    void fitInto(const QRect &available);

Q_SIGNALS:
    void okClicked();
    void getColorClicked();
    void tableExtrasClicked();
    void cellExtrasClicked();
    void pasteDataClicked();

private:
    QWidget *createSize();
    QWidget *createTableFrame();
    QWidget *createRowFrame();
    QWidget *createCellFrame();
    QLayout *createButtons();
    QWidget *createPasteData();
    AttributeGroup *group(const char *frame, const QString &caption, const char *check);

    QScrollArea *m_scroll = nullptr;
    QWidget *m_settings = nullptr;
    QCheckBox *m_headerRow = nullptr;
    QLabel *m_dataSize = nullptr;
    std::unique_ptr<TableData> m_data; // what was last pasted
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
