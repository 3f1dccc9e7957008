// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <functional>

class CheckPanel;
template<typename T>
struct Setting;
class CommonDialog;
class CompletionPopup;
class DocumentFiles;
class DocumentSession;
class LivePreview;
class PalettePanel;
class PaletteTools;
class QDockWidget;
class RecoveryKeeper;
class RecentFiles;
class SettingsDialog;
class SourceEditor;
class ToolLauncher;
class ViewSettings;

// The program's one window, frmMain: the menu tree, the editor pane `source`
// on the right and the tag palette in a fixed column on the left.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    SourceEditor *source() const { return m_source; }
    CommonDialog *commonDialog() const { return m_commonDialog; }
    ViewSettings *viewSettings() const { return m_view; }
    DocumentFiles *documentFiles() const { return m_files; }
    // The open page: its path, format and state, with signals to follow them.
    DocumentSession *documentSession() const { return m_session; }
    SettingsDialog *settingsDialog() const { return m_settingsDialog; }
    PalettePanel *palette() const { return m_palette; }
    RecoveryKeeper *recoveryKeeper() const { return m_recovery; }
    LivePreview *preview() const { return m_preview; }
    CheckPanel *checkPanel() const { return m_checkPanel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createMenus();
    void createEditMenu();
    void connectEditing();
    CompletionPopup *createCompletion();
    void bindToggle(const QString &name, const Setting<bool> &setting, const std::function<void(bool)> &apply);
    void createClientArea();
    void setTabOrder();
    void connectCommands();
    void createPaletteTools();
    void connectColorCommands();
    void showPaletteTools(bool shown, bool growWindow);
    void keepClientWidth();
    void createPaletteDock();
    void createRecovery();
    void createPreview();
    void loadForm();
    void layoutEditor();
    void rememberBetweenRuns();

    QAction *item(const QString &name) const;
    template<typename Receiver, typename Slot>
    void wire(const QString &name, Receiver *receiver, Slot slot);

    QMenu *addMenu(const QString &name, const QString &caption);
    QMenu *addSubmenu(QMenu *menu, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});

    QWidget *m_client = nullptr;
    SourceEditor *m_source = nullptr;
    PalettePanel *m_palette = nullptr;
    CommonDialog *m_commonDialog = nullptr;
    DocumentFiles *m_files = nullptr;
    DocumentSession *m_session = nullptr;
    RecentFiles *m_recent = nullptr;
    ViewSettings *m_view = nullptr;
    ToolLauncher *m_launcher = nullptr;
    SettingsDialog *m_settingsDialog = nullptr;
    PaletteTools *m_paletteTools = nullptr;
    QDockWidget *m_paletteDock = nullptr;
    int m_keepClientWidth = 0; // the client width to restore once the dock is laid out
    RecoveryKeeper *m_recovery = nullptr;
    LivePreview *m_preview = nullptr;
    CheckPanel *m_checkPanel = nullptr;
};
