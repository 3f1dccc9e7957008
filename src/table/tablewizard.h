// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class CellExtrasDialog;
class CommonDialog;
class SourceEditor;
class TableExtrasDialog;
class TableWizardDialog;
class WizardDialog;

// The table wizard: frmTable1 with its two extended-settings dialogs,
// frmTable2 and frmTable3. Each dialog exists at most once, is made on first
// use and thrown away when unloaded. OK and Cancel unload all three, so the
// next run starts afresh; the close box of frmTable1 unloads only frmTable1,
// and the extended settings come back in the next run.
class TableWizard : public QObject
{
    Q_OBJECT
public:
    // How a wrong count is reported; the default is a warning box.
    using MessageHook = std::function<void(QWidget *parent, const QString &message)>;

    // The dialogs are modal over mainWindow; OK inserts into source; the
    // colour button uses colorDialog.
    TableWizard(QWidget *mainWindow, SourceEditor *source, CommonDialog *colorDialog);
    ~TableWizard() override;

    void setMessageHook(MessageHook hook);

public Q_SLOTS:
    // Runs the wizard modally; returns when it is closed.
    void show();

private:
    void showTableExtras();
    void showCellExtras();
    void insertTable();
    void getColorCode();
    void pasteData();
    void runExtras(WizardDialog *dialog);
    TableExtrasDialog *tableExtras();
    CellExtrasDialog *cellExtras();
    void unloadAll();

    QWidget *m_mainWindow;
    SourceEditor *m_source;
    CommonDialog *m_colorDialog;
    MessageHook m_message;
    QPointer<TableWizardDialog> m_wizard;
    QPointer<TableExtrasDialog> m_tableExtras;
    QPointer<CellExtrasDialog> m_cellExtras;
};
