// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitepane.h"

#include "core/site/webfiles.h"
#include "site/sitedrop.h"
#include "site/sitefolder.h"

#include <QDockWidget>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// Folders, then the web's files, then the rest, each by name; what is dragged
// says it comes from the site.
class SiteFileOrder : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    QMimeData *mimeData(const QModelIndexList &indexes) const override
    {
        QMimeData *data = QSortFilterProxyModel::mimeData(indexes);
        if (data)
            data->setData(SiteDrop::mimeType, QByteArray());
        return data;
    }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const auto *model = static_cast<const QFileSystemModel *>(sourceModel());
        const auto rank = [model](const QModelIndex &index) {
            if (model->isDir(index))
                return 0;
            return webFileKind(model->fileName(index)) == WebFileKind::Other ? 2 : 1;
        };
        const int leftRank = rank(left);
        const int rightRank = rank(right);
        if (leftRank != rightRank)
            return leftRank < rightRank;
        return model->fileName(left).compare(model->fileName(right), Qt::CaseInsensitive) < 0;
    }
};

SitePane::SitePane(QMainWindow *window, SiteFolder *site, std::function<void(const QString &path)> openFile)
    : QObject(window)
    , m_window(window)
    , m_site(site)
    , m_openFile(std::move(openFile))
{
    connect(m_site, &SiteFolder::pathChanged, this, [this](const QString &path) {
        if (m_dock)
            showFolder(path);
    });
}

bool SitePane::isShown() const
{
    return m_dock && m_dock->isVisibleTo(m_window);
}

void SitePane::setShown(bool shown)
{
    if (!m_dock) {
        if (!shown)
            return;
        createDock();
    }
    m_dock->setVisible(shown);
    if (shown)
        m_filter->setFocus(Qt::OtherFocusReason);
}

void SitePane::createDock()
{
    m_dock = new QDockWidget(u"サイト"_s, m_window);
    m_dock->setObjectName(u"sitePaneDock"_s);
    m_dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto *body = new QWidget(m_dock);
    m_filter = new QLineEdit(body);
    m_filter->setObjectName(u"siteFilter"_s);
    m_filter->setPlaceholderText(u"ファイル名で絞り込む"_s);
    m_filter->setClearButtonEnabled(true);
    m_tree = new QTreeView(body);
    m_tree->setObjectName(u"siteTree"_s);
    m_tree->setHeaderHidden(true);
    m_tree->setDragEnabled(true);
    m_tree->setDragDropMode(QAbstractItemView::DragOnly);
    m_tree->setUniformRowHeights(true);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    m_model->setNameFilterDisables(false);
    m_model->setReadOnly(true);
    m_order = new SiteFileOrder(this);
    m_order->setSourceModel(m_model);
    m_order->setDynamicSortFilter(true);
    m_tree->setModel(m_order);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(0, Qt::AscendingOrder);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_filter);
    layout->addWidget(m_tree, 1);
    m_dock->setWidget(body);
    m_window->addDockWidget(Qt::LeftDockWidgetArea, m_dock);
    m_dock->hide();

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model->setNameFilters(text.trimmed().isEmpty() ? QStringList() : QStringList{u'*' + text.trimmed() + u'*'});
    });
    connect(m_tree, &QTreeView::activated, this, &SitePane::open);
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool) { emit shownChanged(isShown()); });
    showFolder(m_site->effectivePath());
}

void SitePane::showFolder(const QString &path)
{
    m_dock->setWindowTitle(path.isEmpty() ? u"サイト"_s : u"サイト: %1"_s.arg(QDir(path).dirName()));
    m_dock->setToolTip(QDir::toNativeSeparators(path));
    if (path.isEmpty()) {
        m_tree->setRootIndex({});
        m_tree->setEnabled(false);
        return;
    }
    m_tree->setEnabled(true);
    m_tree->setRootIndex(m_order->mapFromSource(m_model->setRootPath(path)));
}

void SitePane::open(const QModelIndex &index)
{
    const QModelIndex source = m_order->mapToSource(index);
    if (m_model->isDir(source) || webFileKind(m_model->fileName(source)) == WebFileKind::Image)
        return;
    m_openFile(m_model->filePath(source));
}
