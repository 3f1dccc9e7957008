// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QWidget>

class QTabWidget;

// One page of the settings dialog. load() fills the controls from the
// settings; apply() writes them back when the user presses OK.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual QString title() const = 0;
    virtual void load() = 0;
    virtual void apply() = 0;
};

// The settings dialog, frmSettings: a tab per feature. Each feature adds its
// page; OK applies every page, Cancel none.
class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget *parent = nullptr);

    void addPage(SettingsPage *page);
    QList<SettingsPage *> pages() const { return m_pages; }

    // Loads every page, shows the dialog modally and applies on OK.
    int exec() override;

signals:
    void applied();

private:
    QTabWidget *m_tabs = nullptr;
    QList<SettingsPage *> m_pages;
};
