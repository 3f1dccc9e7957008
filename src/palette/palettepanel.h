// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"
#include "core/palette/insertion.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

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

    // The choices of the settings page 挿入; untouched, Insert works as designed.
    void setInsertOptions(const InsertOptions &options);
    InsertOptions insertOptions() const { return m_options; }
    // The catalogue kind and tagu offer; untouched, the designed one. A
    // change empties the choice of category and tag.
    void setCatalogue(CatalogueChoice which);
    CatalogueChoice catalogueChoice() const { return m_catalogue; }

    // Where the page skeleton's <meta charset> learns the document's encoding.
    void setCharsetSource(std::function<QString()> charset);

    // What Insert would put in place of the editor's selection now, and
    // where it would leave the caret; nothing when no tag is chosen. A
    // wrapped selection longer than `longest` characters (when given) is
    // stood in for by a note of its length, so that a preview never copies
    // a whole large page at each step of selecting it.
    std::optional<Insertion> pendingInsertion(qsizetype longest = -1) const;

    // Chooses a tag as the user does: picks its category in kind, then the
    // tag in tagu, through the handlers of the user's picks.
    void chooseTag(int kind, int tagu);

Q_SIGNALS:
    // What Insert would write may have changed: a pick, a tick, typing, the
    // selection (when it is wrapped) or the options.
    void pendingChanged();
    // The catalogue changed: what a search found points at the other one.
    void catalogueChanged();

public Q_SLOTS:
    void kind_Click();
    void tagu_Click();
    void sounyuu_Click();

private:
    void createControls();
    void resetOptions();
    void showSetUp(const Tag &tag);
    PaletteState readState() const;
    // The chosen tag's markup as its catalogue writes it, the page's
    // encoding named in 今の HTML's <meta charset>; nothing when no tag is chosen.
    std::optional<QString> catalogueMarkup() const;
    // … in the chosen style (the designed catalogue's markup restyled).
    std::optional<QString> currentMarkup() const;
    void fillKinds();
    void showTips(const Tag &tag);

    SourceEditor *m_source;
    ComboBox *m_kind = nullptr;
    ComboBox *m_tagu = nullptr;
    std::array<QLabel *, 3> m_labels{};
    std::array<ComboBox *, 3> m_combos{};
    std::array<QCheckBox *, 12> m_checks{};
    QPushButton *m_insert = nullptr;
    QString m_tags; // the markup the last Insert built
    InsertOptions m_options;
    std::function<QString()> m_charset;
    CatalogueChoice m_catalogue = CatalogueChoice::Designed;
};
