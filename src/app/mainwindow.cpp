// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/apptitle.h"
#include "app/commondialog.h"
#include "app/editorlayout.h"
#include "app/sourceeditor.h"
#include "app/uifonts.h"
#include "palette/palettepanel.h"

#include <QEvent>
#include <QMenuBar>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    installJapaneseFontSubstitutes();
    setObjectName(u"frmMain"_s);
    setWindowTitle(appTitle.toString());
    m_commonDialog = new CommonDialog(this);
    m_commonDialog->setObjectName(u"CommDlg1"_s);

    createMenus();
    createClientArea();
    setTabOrder();
    loadForm();
}

MainWindow::~MainWindow() = default;

QMenu *MainWindow::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
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
    file->addSeparator()->setObjectName(u"bar1"_s);
    addItem(file, u"exit"_s, u"終了(&X)"_s);

    QMenu *view = addMenu(u"view"_s, u"表示(&V)"_s);
    addItem(view, u"FontNameset"_s, u"フォント(F)：ＭＳ　Ｐゴシック"_s, QKeySequence(u"Ctrl+F"_s));
    addItem(view, u"FontSizeset"_s, u"フォントサイズ(P)：10"_s, QKeySequence(u"Ctrl+P"_s));
    view->addSeparator()->setObjectName(u"bar2"_s);
    addItem(view, u"leftset"_s, u"左寄せ(L)"_s, QKeySequence(u"Ctrl+L"_s));
    addItem(view, u"centerset"_s, u"センタリング(C)"_s, QKeySequence(u"Ctrl+C"_s));
    addItem(view, u"rightset"_s, u"右寄せ(R)"_s, QKeySequence(u"Ctrl+R"_s));

    QMenu *tools = addMenu(u"Tools"_s, u"ツール(&T)"_s);
    addItem(tools, u"TableWizard"_s, u"テーブル作成(&W)"_s, QKeySequence(u"Ctrl+W"_s));
    addItem(tools, u"GetColors"_s, u"カラーコード取得(&G)"_s, QKeySequence(u"Ctrl+G"_s));

    QMenu *optionTools = addMenu(u"mnuOptionTool"_s, u"オプションツール(&O)"_s);
    addItem(optionTools, u"mnuPLK"_s, u"ポルカ"_s);
    addItem(optionTools, u"mnuFNK"_s, u"Fennick"_s);
    addItem(optionTools, u"mnuTMS"_s, u"Tamsel"_s);

    QMenu *help = addMenu(u"help"_s, u"ヘルプ（&H）"_s);
    addItem(help, u"version"_s, u"バージョン情報(&A)"_s);
}

void MainWindow::createClientArea()
{
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_s);
    // The client area is designed at 11220 × 7815 twips.
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    resize(twips(11220), twips(7815) + menuBar()->sizeHint().height());

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
    m_commonDialog->setFontName(u"ＭＳ　Ｐゴシック"_s);
    m_commonDialog->setFontSize(10);
    m_source->setSelAlignment(SourceEditor::AlignLeft);
    m_commonDialog->setFilter(u"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|TEXTﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*"_s);
}

// Only the editor follows the window; its left and top edges stay put.
void MainWindow::layoutEditor()
{
    if (const auto size = editorSize(isMinimized(), frameGeometry().width(), m_client->size()))
        m_source->resize(*size);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutEditor();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        layoutEditor();
    QMainWindow::changeEvent(event);
}
