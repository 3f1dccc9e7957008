// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkcheckpanel.h"

#include "site/sitefolder.h"

#include <QDir>
#include <QDockWidget>
#include <QHeaderView>
#include <QMainWindow>
#include <QTreeWidget>
#include <QtConcurrent>

using namespace Qt::StringLiterals;

namespace {

enum Column { PageColumn, LineColumn, CharacterColumn, KindColumn, MessageColumn };
constexpr int pathRole = Qt::UserRole;
constexpr int placeRole = Qt::UserRole + 1;

} // namespace

LinkCheckPanel::LinkCheckPanel(QMainWindow *window, SiteFolder *site, OpenAt openAt)
    : QObject(window)
    , m_window(window)
    , m_site(site)
    , m_openAt(std::move(openAt))
{
    connect(&m_watcher, &QFutureWatcher<QList<SiteLinkProblem>>::finished, this, &LinkCheckPanel::showProblems);
}

LinkCheckPanel::~LinkCheckPanel()
{
    m_watcher.waitForFinished();
}

void LinkCheckPanel::createDock()
{
    m_dock = new QDockWidget(u"サイトのリンク"_s, m_window);
    m_dock->setObjectName(u"siteLinksDock"_s);
    m_dock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_list = new QTreeWidget(m_dock);
    m_list->setObjectName(u"linkResults"_s);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({u"ページ"_s, u"行"_s, u"桁"_s, u"種類"_s, u"メッセージ"_s});
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(PageColumn, 180);
    m_list->setColumnWidth(LineColumn, 50);
    m_list->setColumnWidth(CharacterColumn, 50);
    m_list->setColumnWidth(KindColumn, 90);
    m_dock->setWidget(m_list);
    m_window->addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_window->resizeDocks({m_dock}, {m_list->fontMetrics().height() * 8}, Qt::Vertical);
    connect(m_list, &QTreeWidget::itemActivated, this, &LinkCheckPanel::goTo);
}

void LinkCheckPanel::checkSite()
{
    if (m_watcher.isRunning())
        return;
    if (m_site->effectivePath().isEmpty() && !m_site->choose(m_window))
        return;
    if (!m_dock)
        createDock();
    m_folder = m_site->effectivePath();
    m_list->clear();
    m_list->addTopLevelItem(new QTreeWidgetItem({QString(), QString(), QString(), QString(), u"チェックしています..."_s}));
    m_dock->setWindowTitle(u"サイトのリンク: %1"_s.arg(QDir::toNativeSeparators(m_folder)));
    m_dock->show();
    m_dock->raise();
    m_watcher.setFuture(QtConcurrent::run(checkSiteLinks, m_folder));
}

void LinkCheckPanel::showProblems()
{
    const QList<SiteLinkProblem> problems = m_watcher.result();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems.size() + 1);
    const QDir folder(m_folder);
    for (const SiteLinkProblem &problem : problems) {
        const bool placed = problem.line > 0;
        auto *row = new QTreeWidgetItem({QDir::toNativeSeparators(problem.page),
                                         placed ? QString::number(problem.line) : QString(),
                                         placed ? QString::number(problem.column) : QString(),
                                         siteLinkKindName(problem.kind), siteLinkMessage(problem)});
        row->setData(PageColumn, pathRole, folder.filePath(problem.page));
        row->setData(LineColumn, placeRole, problem.line);
        row->setData(CharacterColumn, placeRole, problem.column);
        row->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(CharacterColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    if (problems.isEmpty())
        rows.append(new QTreeWidgetItem({QString(), QString(), QString(), QString(), u"問題は見つかりませんでした。"_s}));
    m_list->clear();
    m_list->addTopLevelItems(rows);
    m_dock->setWindowTitle(u"サイトのリンク: %1 (%2 件)"_s.arg(QDir::toNativeSeparators(m_folder)).arg(problems.size()));
    emit checked();
}

void LinkCheckPanel::goTo(QTreeWidgetItem *item)
{
    const QString path = item->data(PageColumn, pathRole).toString();
    const qsizetype line = item->data(LineColumn, placeRole).toLongLong();
    if (path.isEmpty() || line <= 0)
        return;
    m_openAt(path, line, item->data(CharacterColumn, placeRole).toLongLong());
}
