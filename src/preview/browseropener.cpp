// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/browseropener.h"

#include "core/window/apptitle.h"
#include "editor/sourceeditor.h"
#include "window/messagebox.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool askToSave(QWidget *parent, const QString &question)
{
    return askChoice(parent, QMessageBox::Question, question,
                     {{u"保存する"_s, QMessageBox::AcceptRole}, {u"キャンセル"_s, QMessageBox::RejectRole}}, 0, 1)
        == 0;
}

} // namespace

BrowserOpener::BrowserOpener(QWidget *window, SourceEditor *editor, std::function<QString()> pagePath,
                             std::function<bool()> save)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_pagePath(std::move(pagePath))
    , m_save(std::move(save))
    , m_question(askToSave)
{
}

bool BrowserOpener::openInBrowser()
{
    QString path = m_pagePath();
    if (path.isEmpty() || m_editor->document()->isModified()) {
        const QString question = path.isEmpty()
            ? u"このページはまだ保存されていません。\n保存してからブラウザで開きますか？"_s
            : u"変更が保存されていません。\nブラウザは保存されたファイルを表示します。保存してから開きますか？"_s;
        if (!m_question(m_window, question) || !m_save())
            return false;
        path = m_pagePath();
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    QMessageBox::warning(m_window, appTitle.toString(), u"ブラウザを開けませんでした。\n"_s + path);
    return false;
}
