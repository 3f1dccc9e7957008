// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "window/aboutbox.h"
#include "core/settings/settingkeys.h"
#include "editor/caretstatus.h"
#include "editor/closingtagoffer.h"
#include "editor/completionpopup.h"
#include "editor/editcommands.h"
#include "editor/linenumbergutter.h"
#include "editor/finddialog.h"
#include "editor/gotoline.h"
#include "editor/htmlhighlighter.h"
#include "window/keysetpage.h"
#include "window/menukeys.h"
#include "core/window/apptitle.h"
#include "window/commondialog.h"
#include "document/documentfiles.h"
#include "document/recoverykeeper.h"
#include "document/documentsession.h"
#include "document/filedrop.h"
#include "document/recentfiles.h"
#include "core/settings/settingkeys.h"
#include "core/window/editorlayout.h"
#include "window/menushortcutfilter.h"
#include "window/settingsdialog.h"
#include "editor/sourceeditor.h"
#include "window/toollauncher.h"
#include "window/uifonts.h"
#include "core/window/viewcaptions.h"
#include "window/viewsettings.h"
#include "color/getcolorcode.h"
#include "palette/insertsettingspage.h"
#include "palette/palettepanel.h"
#include "palette/palettetools.h"
#include "core/document/textencoding.h"
#include "core/settings/settingkeys.h"
#include "table/tablewizard.h"
#include "check/checkpanel.h"
#include "preview/browseropener.h"
#include "preview/livepreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    installJapaneseFontSubstitutes();
    setObjectName(u"frmMain"_s);
    setWindowTitle(appTitle.toString());
    setWindowIcon(QIcon(u":/icons/tagpot.svg"_s));
    m_commonDialog = new CommonDialog(this);
    m_commonDialog->setObjectName(u"CommDlg1"_s);

    createMenus();
    createClientArea();
    setTabOrder();
    connectCommands();
    createRecovery();
    createPreview();
    connectEditing();
    createPaletteTools();
    connectColorCommands();
    loadForm();
    rememberBetweenRuns();
}

// The dock goes with the window's children, after this body: its visibility
// signal then reaches a window that is no longer one.
MainWindow::~MainWindow()
{
    if (m_paletteDock)
        disconnect(m_paletteDock, nullptr, this, nullptr);
}

QMenu *MainWindow::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QMenu *MainWindow::addSubmenu(QMenu *menu, const QString &name, const QString &caption)
{
    QMenu *submenu = menu->addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    submenu->menuAction()->setEnabled(false);
    return submenu;
}

// Items start disabled: each command enables its item when it is wired.
QAction *MainWindow::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setEnabled(false);
    return action;
}

void MainWindow::createMenus()
{
    QMenu *file = addMenu(u"file"_s, u"ファイル(&F)"_s);
    addItem(file, u"new"_s, u"新規作成(&N)"_s, QKeySequence(u"Ctrl+N"_s));
    addItem(file, u"open"_s, u"開く(O)"_s, QKeySequence(u"Ctrl+O"_s));
    addItem(file, u"save"_s, u"保存(&S)"_s, QKeySequence(u"Ctrl+S"_s));
    addItem(file, u"overwriteSave"_s, u"上書き保存"_s);
    addItem(file, u"openInBrowser"_s, u"ブラウザで開く(&B)"_s);
    addSubmenu(file, u"mnuRecent"_s, u"最近使ったファイル(&R)"_s);
    file->addSeparator()->setObjectName(u"bar1"_s);
    addItem(file, u"exit"_s, u"終了(&X)"_s);

    createEditMenu();

    QMenu *view = addMenu(u"view"_s, u"表示(&V)"_s);
    addItem(view, u"FontNameset"_s, u"フォント(F)：ＭＳ　Ｐゴシック"_s, QKeySequence(u"Ctrl+F"_s));
    addItem(view, u"FontSizeset"_s, u"フォントサイズ(P)：10"_s, QKeySequence(u"Ctrl+P"_s));
    view->addSeparator()->setObjectName(u"bar2"_s);
    addItem(view, u"leftset"_s, u"左寄せ(L)"_s, QKeySequence(u"Ctrl+L"_s));
    addItem(view, u"centerset"_s, u"センタリング(C)"_s, QKeySequence(u"Ctrl+C"_s));
    addItem(view, u"rightset"_s, u"右寄せ(R)"_s, QKeySequence(u"Ctrl+R"_s));
    view->addSeparator();
    addItem(view, u"previewToggle"_s, u"プレビュー(&W)"_s)->setCheckable(true);
    addItem(view, u"syntaxColoring"_s, u"HTML の色分け(&H)"_s)->setCheckable(true);
    addItem(view, u"lineNumbers"_s, u"行番号(&N)"_s)->setCheckable(true);
    addItem(view, u"paletteTools"_s, u"タグ検索と挿入プレビュー(&K)"_s)->setCheckable(true);

    QMenu *tools = addMenu(u"Tools"_s, u"ツール(&T)"_s);
    addItem(tools, u"TableWizard"_s, u"テーブル作成(&W)"_s, QKeySequence(u"Ctrl+W"_s));
    addItem(tools, u"GetColors"_s, u"カラーコード取得(&G)"_s, QKeySequence(u"Ctrl+G"_s));
    addItem(tools, u"insertColorCode"_s, u"カラーコード挿入(&I)"_s);
    addItem(tools, u"validate"_s, u"ページのチェック(&K)"_s);
    tools->addSeparator();
    addItem(tools, u"preferences"_s, u"設定(&O)..."_s);

    QMenu *optionTools = addMenu(u"mnuOptionTool"_s, u"オプションツール(&O)"_s);
    addItem(optionTools, u"mnuPLK"_s, u"ポルカ"_s);
    addItem(optionTools, u"mnuFNK"_s, u"Fennick"_s);
    addItem(optionTools, u"mnuTMS"_s, u"Tamsel"_s);

    QMenu *help = addMenu(u"help"_s, u"ヘルプ（&H）"_s);
    addItem(help, u"version"_s, u"バージョン情報(&A)"_s);
}

// Added around the designed menus: in the designed key set only the
// completion list has a key (Ctrl+Space, which no designed item uses).
void MainWindow::createEditMenu()
{
    QMenu *edit = addMenu(u"mnuEdit"_s, u"編集(&E)"_s);
    addItem(edit, u"editUndo"_s, u"元に戻す(&U)"_s);
    addItem(edit, u"editRedo"_s, u"やり直し(&R)"_s);
    edit->addSeparator();
    addItem(edit, u"editCut"_s, u"切り取り(&T)"_s);
    addItem(edit, u"editCopy"_s, u"コピー(&C)"_s);
    addItem(edit, u"editPaste"_s, u"貼り付け(&P)"_s);
    edit->addSeparator();
    addItem(edit, u"editSelectAll"_s, u"すべて選択(&A)"_s);
    edit->addSeparator();
    addItem(edit, u"editFind"_s, u"検索(&F)..."_s);
    addItem(edit, u"editFindNext"_s, u"次を検索(&N)"_s);
    addItem(edit, u"editFindPrevious"_s, u"前を検索(&V)"_s);
    addItem(edit, u"editReplace"_s, u"置換(&E)..."_s);
    addItem(edit, u"editGotoLine"_s, u"指定行へ移動(&G)..."_s);
    edit->addSeparator();
    addItem(edit, u"complete"_s, u"入力候補(&L)"_s);
}

QAction *MainWindow::item(const QString &name) const
{
    auto *action = findChild<QAction *>(name);
    Q_ASSERT(action);
    return action;
}

// Each command enables its menu item as it is connected.
template<typename Receiver, typename Slot>
void MainWindow::wire(const QString &name, Receiver *receiver, Slot slot)
{
    QAction *action = item(name);
    action->setEnabled(true);
    connect(action, &QAction::triggered, receiver, slot);
}

void MainWindow::connectCommands()
{
    m_session = new DocumentSession(m_source, this);
    m_files = new DocumentFiles(this, m_source, m_commonDialog, m_session);
    wire(u"new"_s, m_files, &DocumentFiles::newDocument);
    wire(u"open"_s, m_files, &DocumentFiles::openDocument);
    wire(u"save"_s, m_files, &DocumentFiles::saveDocument);
    wire(u"exit"_s, m_files, &DocumentFiles::exitProgram);

    m_view = new ViewSettings(m_source, m_commonDialog, item(u"FontNameset"_s), item(u"FontSizeset"_s), this);
    wire(u"FontNameset"_s, m_view, &ViewSettings::setEditorFont);
    wire(u"FontSizeset"_s, m_view, &ViewSettings::setEditorFont);
    wire(u"leftset"_s, m_view, &ViewSettings::alignLeft);
    wire(u"centerset"_s, m_view, &ViewSettings::alignCenter);
    wire(u"rightset"_s, m_view, &ViewSettings::alignRight);

    auto *tableWizard = new TableWizard(this, m_source, m_commonDialog);
    wire(u"TableWizard"_s, tableWizard, &TableWizard::show);

    wire(u"version"_s, this, [this] { showAboutBox(this); });

    m_settingsDialog = new SettingsDialog(this);
    wire(u"preferences"_s, m_settingsDialog, &SettingsDialog::exec);

    // Text widgets claim Ctrl+C and friends for themselves; the menu's own
    // shortcuts must win while the editor or a palette combo has the focus.
    // The Edit menu's keys are the text widgets' own (Ctrl+C copies in the
    // focused field) and are left to them.
    QList<QAction *> menuItems;
    for (QAction *menu : menuBar()->actions()) {
        if (menu->objectName() != u"mnuEdit")
            menuItems << menu->menu()->actions();
    }
    qApp->installEventFilter(new MenuShortcutFilter(this, menuItems, this));
}

void MainWindow::createRecovery()
{
    m_recovery = new RecoveryKeeper(this, m_source, m_session, m_files);
}

// The preview, the page check and the browser follow the open page.
void MainWindow::createPreview()
{
    const auto pagePath = [this] { return m_session->path(); };
    m_preview = new LivePreview(m_client, m_source, item(u"previewToggle"_s), pagePath, this);
    item(u"previewToggle"_s)->setEnabled(true);
    // A save under another name moves the page's folder without a change of text.
    connect(m_session, &DocumentSession::pathChanged, m_preview, &LivePreview::scheduleRefresh);

    m_checkPanel = new CheckPanel(this, m_source, pagePath);
    wire(u"validate"_s, m_checkPanel, &CheckPanel::checkPage);

    auto *browser = new BrowserOpener(this, m_source, pagePath, [this] { return m_files->saveDocument(); });
    wire(u"openInBrowser"_s, browser, &BrowserOpener::openInBrowser);
}

// What goes beyond the designed commands: the Edit menu, saving in place,
// colouring, and the choice of keys. Each starts as designed until chosen.
void MainWindow::connectEditing()
{
    wire(u"overwriteSave"_s, m_files, &DocumentFiles::overwriteSave);

    new EditCommands(m_source,
                     {item(u"editUndo"_s), item(u"editRedo"_s), item(u"editCut"_s), item(u"editCopy"_s),
                      item(u"editPaste"_s), item(u"editSelectAll"_s)},
                     this);

    auto *find = new FindDialog(m_source, this);
    wire(u"editFind"_s, find, &FindDialog::showFind);
    wire(u"editReplace"_s, find, &FindDialog::showReplace);
    wire(u"editFindNext"_s, find, &FindDialog::findNext);
    wire(u"editFindPrevious"_s, find, &FindDialog::findPrevious);
    wire(u"editGotoLine"_s, this, [this] { goToLine(m_source); });

    auto *highlighter = new HtmlHighlighter(m_source);
    bindToggle(u"syntaxColoring"_s, Settings::syntaxColoring, [highlighter](bool on) { highlighter->setEnabled(on); });
    auto *gutter = new LineNumberGutter(m_source);
    bindToggle(u"lineNumbers"_s, Settings::lineNumbers, [gutter](bool on) { gutter->setShown(on); });
    statusBar()->addPermanentWidget(new CaretStatus(m_source, this));

    auto *closingTags = new ClosingTagOffer(m_source);
    closingTags->setEnabled(Settings::closingTags.value());
    auto *completion = createCompletion();

    m_settingsDialog->addPage(new KeySetPage(this));
    applyKeySet(this, keySetNamed(Settings::keySet.value()));
    connect(m_settingsDialog, &SettingsDialog::applied, this, [this, closingTags, completion] {
        applyKeySet(this, keySetNamed(Settings::keySet.value()));
        closingTags->setEnabled(Settings::closingTags.value());
        completion->setOpensWhileTyping(Settings::completeWhileTyping.value());
    });
}

// The completion list offers what fits at the caret; paths are relative to the page's folder.
CompletionPopup *MainWindow::createCompletion()
{
    auto *completion = new CompletionPopup(m_source);
    completion->setPageFolder([this] {
        const QString path = m_session->path();
        return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    });
    completion->setOpensWhileTyping(Settings::completeWhileTyping.value());
    connect(completion, &CompletionPopup::noteChanged, this, [this](const QString &note) { statusBar()->showMessage(note, 5000); });
    wire(u"complete"_s, completion, &CompletionPopup::open);
    return completion;
}

// A View item that switches a feature on or off and remembers the choice.
void MainWindow::bindToggle(const QString &name, const Setting<bool> &setting, const std::function<void(bool)> &apply)
{
    QAction *action = item(name);
    action->setEnabled(true);
    action->setChecked(setting.value());
    apply(action->isChecked());
    connect(action, &QAction::toggled, this, [&setting, apply](bool on) {
        apply(on);
        setting.setValue(on);
    });
}

void MainWindow::createClientArea()
{
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_s);
    // The client area is designed at 11220 × 7815 twips.
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    statusBar()->setObjectName(u"statusBar"_s);
    resize(twips(11220), twips(7815) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    m_source = new SourceEditor(m_client);
    m_source->setObjectName(u"source"_s);
    m_source->setFont(designFont(11.25));
    m_source->setGeometry(twips(2160), 0, twips(9015), twips(7815));

    m_palette = new PalettePanel(m_source, m_client);
    m_palette->setObjectName(u"palette"_s);
}

void MainWindow::setTabOrder()
{
    QWidget *previous = m_source;
    for (QWidget *next : m_palette->tabOrder()) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    m_source->setFocus(Qt::OtherFocusReason);
}

void MainWindow::loadForm()
{
    layoutEditor();
    m_commonDialog->setFontName(startFontName.toString());
    m_commonDialog->setFontSize(startFontSize);
    m_source->setSelAlignment(SourceEditor::AlignLeft);
    m_view->readDialogFont();
    m_commonDialog->setFilter(documentFilter.toString());
    m_launcher = new ToolLauncher(this, statusBar(), item(u"mnuPLK"_s), item(u"mnuFNK"_s), item(u"mnuTMS"_s));
}

// What the user chose in earlier runs: the editor font, the window's size
// and place, the recent files. A first start keeps the designed state.
void MainWindow::rememberBetweenRuns()
{
    const QString fontName = Settings::editorFontName.value();
    const double fontSize = Settings::editorFontSize.value();
    if (!fontName.isEmpty() && fontSize > 0)
        m_view->useFont(fontName, fontSize);
    connect(m_view, &ViewSettings::fontChosen, this, [](const QString &name, double size) {
        Settings::editorFontName.setValue(name);
        Settings::editorFontSize.setValue(size);
    });

    const QByteArray geometry = Settings::windowGeometry.value();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);

    m_recent = new RecentFiles(findChild<QMenu *>(u"mnuRecent"_s), m_session, m_files, this);
    new FileDrop(m_files, {this, m_source->viewport()}, this);
}

// Only the editor follows the window; its left and top edges stay put.
void MainWindow::layoutEditor()
{
    if (const auto size = editorSize(isMinimized(), frameGeometry().width(), m_client->size()))
        (m_preview ? m_preview->editorArea() : m_source)->resize(*size);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        layoutEditor();
        keepClientWidth();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window asks about unsaved changes first, like Exit.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_files->queryClose()) {
        event->ignore();
        return;
    }
    Settings::windowGeometry.setValue(saveGeometry());
    event->accept();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        layoutEditor();
    QMainWindow::changeEvent(event);
}

// The tag search and the markup preview stand in a dock on the right, so the
// palette column and the client area keep their designed places and sizes.
void MainWindow::createPaletteTools()
{
    // The page skeleton's <meta charset> names the page's own encoding.
    m_palette->setCharsetSource([this] { return encodingName(m_session->format().encoding).toString(); });
    connect(m_session, &DocumentSession::formatChanged, m_palette, &PalettePanel::pendingChanged);
    m_palette->setInsertOptions(storedInsertOptions());
    m_palette->setCatalogue(storedCatalogue());
    m_settingsDialog->addPage(new InsertSettingsPage(m_settingsDialog));
    connect(m_settingsDialog, &SettingsDialog::applied, this, [this] {
        m_palette->setInsertOptions(storedInsertOptions());
        m_palette->setCatalogue(storedCatalogue());
    });

    QAction *toggle = item(u"paletteTools"_s);
    toggle->setEnabled(true);
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        showPaletteTools(shown, true);
        if (shown)
            m_paletteTools->focusSearch();
    });
    // A window size remembered from the last run already holds the dock.
    if (Settings::showPaletteTools.value())
        showPaletteTools(true, Settings::windowGeometry.value().isEmpty());
}

// The dock is made when first shown: a first start creates nothing of it.
void MainWindow::createPaletteDock()
{
    m_paletteTools = new PaletteTools(m_palette, this);
    m_paletteDock = new QDockWidget(u"タグ検索と挿入プレビュー"_s, this);
    m_paletteDock->setObjectName(u"paletteToolsDock"_s);
    m_paletteDock->setWidget(m_paletteTools);
    m_paletteDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, m_paletteDock);
    m_paletteDock->hide();
    // The dock's own close box hides it like the menu item.
    connect(m_paletteDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && !m_paletteDock->isHidden())
            return; // only covered by another window or tab
        item(u"paletteTools"_s)->setChecked(!m_paletteDock->isHidden());
        Settings::showPaletteTools.setValue(!m_paletteDock->isHidden());
    });
}

void MainWindow::showPaletteTools(bool shown, bool growWindow)
{
    if (!m_paletteDock) {
        if (!shown)
            return;
        createPaletteDock();
    }
    if (shown == m_paletteDock->isVisibleTo(this)) {
        item(u"paletteTools"_s)->setChecked(shown);
        return;
    }
    // The window grows by the dock instead of taking its width from the editor.
    growWindow = growWindow && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) && !m_paletteDock->isFloating();
    // Before the window first shows, its client area is not laid out yet but
    // will span the whole width.
    const int clientWidth = isVisible() ? m_client->width() : size().width();
    m_paletteDock->setVisible(shown);
    if (growWindow && shown) {
        m_paletteDock->ensurePolished();
        const int width = m_paletteDock->sizeHint().width()
                        + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
        resize(size().width() + width, size().height());
        resizeDocks({m_paletteDock}, {width}, Qt::Horizontal);
        // The dock's final width is known only once the window is laid out
        // (eventFilter then gives the client area back what it lost).
        m_keepClientWidth = clientWidth;
    } else if (growWindow) {
        // The dock is the window's only one: without it the window is its client area.
        resize(std::max(minimumWidth(), clientWidth), size().height());
    }
    item(u"paletteTools"_s)->setChecked(shown);
    Settings::showPaletteTools.setValue(shown);
}

// Once the window is laid out with the dock beside the client area, the
// client area gets back the width the dock's first estimate took from it.
void MainWindow::keepClientWidth()
{
    if (m_keepClientWidth <= 0 || !m_paletteDock || !m_paletteDock->isVisibleTo(this))
        return;
    if (m_client->width() + m_paletteDock->width() > width())
        return; // the dock is not laid out beside it yet
    const int missing = m_keepClientWidth - m_client->width();
    m_keepClientWidth = 0;
    // Not from inside the client's own resize: the editor then follows as usual.
    if (missing != 0)
        QMetaObject::invokeMethod(
            this, [this, missing] { resize(width() + missing, height()); }, Qt::QueuedConnection);
}

// After the colour command the status bar names the code it copied;
// insertColorCode writes "#RRGGBB" at the caret instead.
void MainWindow::connectColorCommands()
{
    wire(u"GetColors"_s, this, [this] {
        if (const auto code = copyColorCode(*m_commonDialog))
            statusBar()->showMessage(u"カラーコード "_s + *code + u" をコピーしました"_s);
    });
    wire(u"insertColorCode"_s, this, [this] {
        if (const auto code = chooseColorCode(*m_commonDialog)) {
            m_source->setSelText(u'#' + *code);
            m_source->setFocus(Qt::OtherFocusReason);
            statusBar()->showMessage(u"カラーコード #"_s + *code + u" を挿入しました"_s);
        }
    });
}
