// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/livepreview.h"

#include "core/window/apptitle.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "preview/previewloader.h"
#include "preview/previewpane.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSplitter>
#include <QTimer>

using namespace Qt::StringLiterals;

LivePreview::LivePreview(QWidget *client, SourceEditor *editor, QAction *toggle, std::function<QString()> pagePath,
                         QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_editor(editor)
    , m_toggle(toggle)
    , m_pagePath(std::move(pagePath))
    , m_rest(new QTimer(this))
{
    m_rest->setSingleShot(true);
    m_rest->setInterval(restMs);
    connect(m_rest, &QTimer::timeout, this, &LivePreview::refresh);
    connect(m_toggle, &QAction::toggled, this, &LivePreview::setShown);
    // Typing, and New, Open or a reload refilling the document.
    connect(m_editor, &SourceEditor::textChanged, this, &LivePreview::scheduleRefresh);
}

QWidget *LivePreview::editorArea() const
{
    return m_split && m_split->isVisible() ? static_cast<QWidget *>(m_split) : m_editor;
}

void LivePreview::setShown(bool shown)
{
    if (shown)
        show();
    else
        hide();
}

void LivePreview::scheduleRefresh()
{
    if (m_pane && m_pane->isVisible())
        m_rest->start();
}

void LivePreview::refresh()
{
    m_rest->stop();
    if (!m_pane || !m_pane->isVisible())
        return;
    const QString path = m_pagePath();
    const QUrl base = path.isEmpty() ? QUrl() : QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/');
    m_pane->setHtml(PageText(m_editor).all(), base);
}

void LivePreview::show()
{
    if (m_split && m_split->isVisible())
        return;
    if (!m_pane) {
        QString error;
        m_pane = createPreviewPane(nullptr, &error);
        if (!m_pane) {
            m_toggle->setChecked(false);
            QMessageBox::warning(m_client->window(), appTitle.toString(), u"プレビューを表示できません。\n"_s + error);
            return;
        }
        m_pane->setObjectName(u"preview"_s);
        m_split = new QSplitter(Qt::Horizontal, m_client);
        m_split->setObjectName(u"previewSplit"_s);
        m_split->setChildrenCollapsible(false);
    }
    const bool focused = m_editor->hasFocus();
    const QRect place = m_editor->geometry();
    m_split->setGeometry(place);
    m_split->insertWidget(0, m_editor);
    m_split->insertWidget(1, m_pane);
    m_split->setSizes(m_sizes.isEmpty() ? QList<int>{place.width() / 2, place.width() - place.width() / 2} : m_sizes);
    m_editor->show();
    m_pane->show();
    m_split->show();
    if (focused)
        m_editor->setFocus(Qt::OtherFocusReason);
    m_toggle->setChecked(true);
    refresh();
}

// The editor goes back to its designed place, exactly where the split stood.
void LivePreview::hide()
{
    if (!m_split || !m_split->isVisible())
        return;
    m_rest->stop();
    m_sizes = m_split->sizes();
    // The focus may be deep inside the preview's view.
    const bool focused = m_split->isAncestorOf(QApplication::focusWidget());
    const QRect place = m_split->geometry();
    m_split->hide();
    m_editor->setParent(m_client);
    m_editor->setGeometry(place);
    m_editor->show();
    m_editor->lower();
    if (focused)
        m_editor->setFocus(Qt::OtherFocusReason);
    m_toggle->setChecked(false);
}
