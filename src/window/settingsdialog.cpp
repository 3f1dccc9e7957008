// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settingsdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmSettings"_s);
    setWindowTitle(u"設定"_s);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"settingsTabs"_s);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"settingsOK"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"settingsCancel"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"キャンセル"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void SettingsDialog::addPage(SettingsPage *page)
{
    m_pages << page;
    m_tabs->addTab(page, page->title());
}

int SettingsDialog::exec()
{
    for (SettingsPage *page : std::as_const(m_pages))
        page->load();
    const int result = QDialog::exec();
    if (result == QDialog::Accepted) {
        for (SettingsPage *page : std::as_const(m_pages))
            page->apply();
        emit applied();
    }
    return result;
}
