// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/checkpanel.h"

#include "core/check/pagecheck.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QTextCursor>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

enum Column { LineColumn, CharacterColumn, KindColumn, MessageColumn };
constexpr int placeRole = Qt::UserRole;

} // namespace

CheckPanel::CheckPanel(QMainWindow *window, SourceEditor *editor, std::function<QString()> pagePath)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_pagePath(std::move(pagePath))
{
}

void CheckPanel::createDock()
{
    m_dock = new QDockWidget(u"チェック結果"_s, m_window);
    m_dock->setObjectName(u"validationDock"_s);
    m_dock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_list = new QTreeWidget(m_dock);
    m_list->setObjectName(u"validationList"_s);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({u"行"_s, u"桁"_s, u"種類"_s, u"メッセージ"_s});
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(LineColumn, 60);
    m_list->setColumnWidth(CharacterColumn, 50);
    m_list->setColumnWidth(KindColumn, 90);
    m_dock->setWidget(m_list);
    m_window->addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    // A strip under the editor, not half the window.
    m_window->resizeDocks({m_dock}, {m_list->fontMetrics().height() * 8}, Qt::Vertical);
    connect(m_list, &QTreeWidget::itemActivated, this, &CheckPanel::goTo);
}

void CheckPanel::checkPage()
{
    if (!m_dock)
        createDock();
    const QString path = m_pagePath();
    const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<PageProblem> problems = ::checkPage(PageText(m_editor).all(), folder);
    QApplication::restoreOverrideCursor();

    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems.size() + 1);
    for (const PageProblem &problem : problems) {
        auto *row = new QTreeWidgetItem({QString::number(problem.line), QString::number(problem.column),
                                         problemKindName(problem.kind), problem.message});
        row->setData(LineColumn, placeRole, problem.line);
        row->setData(CharacterColumn, placeRole, problem.column);
        row->setToolTip(MessageColumn, problem.code);
        row->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(CharacterColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    if (problems.isEmpty())
        rows.append(new QTreeWidgetItem({QString(), QString(), QString(), u"問題は見つかりませんでした。"_s}));
    if (folder.isEmpty())
        rows.append(new QTreeWidgetItem({QString(), QString(), u"注意"_s,
                                         u"まだ保存されていないページです。画像やリンク先のファイルは確かめていません。"_s}));
    m_list->clear();
    m_list->addTopLevelItems(rows);
    m_dock->setWindowTitle(u"チェック結果 (%1 件)"_s.arg(problems.size()));
    m_dock->show();
    m_dock->raise();
}

void CheckPanel::goTo(QTreeWidgetItem *item)
{
    const int line = item->data(LineColumn, placeRole).toInt();
    if (line <= 0)
        return;
    const PageText page(m_editor);
    if (line > page.lineCount())
        return;
    const int start = page.positionOfLine(line - 1);
    const int lineLength = page.lineEnd(start) - start;
    const int column = item->data(CharacterColumn, placeRole).toInt();
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(start + std::clamp(column - 1, 0, lineLength));
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    m_editor->setFocus(Qt::OtherFocusReason);
}
