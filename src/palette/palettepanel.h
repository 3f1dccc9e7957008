// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

#include <QWidget>

#include <array>

class ComboBox;
class QCheckBox;
class QLabel;
class QPushButton;
class SourceEditor;

// The palette column on the left of the main window: choose a category in
// `kind`, a tag in `tagu`, set its options, and Insert (`sounyuu`) types the
// tag's markup into the editor at the caret.
class PalettePanel : public QWidget
{
    Q_OBJECT
public:
    PalettePanel(SourceEditor *source, QWidget *parent);

    // The controls in tab order after the editor: kind, tagu, sounyuu, zokusei1..3, Check1..12.
    QList<QWidget *> tabOrder() const;

public Q_SLOTS:
    void kind_Click();
    void tagu_Click();
    void sounyuu_Click();

private:
    void createControls();
    void resetOptions();
    void showSetUp(const Tag &tag);
    PaletteState readState() const;

    SourceEditor *m_source;
    ComboBox *m_kind = nullptr;
    ComboBox *m_tagu = nullptr;
    std::array<QLabel *, 3> m_labels{};
    std::array<ComboBox *, 3> m_combos{};
    std::array<QCheckBox *, 12> m_checks{};
    QPushButton *m_insert = nullptr;
    QString m_tags; // the markup the last Insert built
};
