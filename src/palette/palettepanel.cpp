// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette/palettepanel.h"

#include "core/palette/tagnotes.h"
#include "core/palette/todaymarkup.h"
#include "core/window/twips.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "window/combobox.h"
#include "window/uifonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView optionNumbers[] = {u"１", u"２", u"３"};

ComboBox *makeCombo(QWidget *parent, const QString &name, const QString &text, const QRect &rect)
{
    auto *combo = new ComboBox(parent);
    combo->setObjectName(name);
    combo->setFont(designFont(9));
    combo->setGeometry(rect);
    combo->setEditText(text);
    return combo;
}

QStringList itemsOf(Choices choices)
{
    QStringList items;
    for (const Choice &choice : choices)
        items << choice.item.toString();
    return items;
}

} // namespace

PalettePanel::PalettePanel(SourceEditor *source, QWidget *parent)
    : QWidget(parent)
    , m_source(source)
{
    // The palette column never moves or resizes with the window.
    setGeometry(twipsRect(0, 0, 2160, 7815));
    createControls();
    // A wrapped selection is part of what Insert writes.
    connect(m_source, &QPlainTextEdit::selectionChanged, this, [this] {
        if (m_options.wrapSelection)
            Q_EMIT pendingChanged();
    });
}

void PalettePanel::createControls()
{
    m_kind = makeCombo(this, u"kind"_s, u"タグ分類"_s, twipsRect(49, 120, 1995, 300));
    m_kind->setToolTip(u"タグの分類を選択"_s);
    fillKinds();
    connect(m_kind, &ComboBox::picked, this, &PalettePanel::kind_Click);
    connect(m_kind, &QComboBox::editTextChanged, this, &PalettePanel::pendingChanged);

    m_tagu = makeCombo(this, u"tagu"_s, u"タグ"_s, twipsRect(49, 480, 1995, 300));
    m_tagu->setToolTip(u"タグを選択"_s);
    connect(m_tagu, &ComboBox::picked, this, &PalettePanel::tagu_Click);
    connect(m_tagu, &QComboBox::editTextChanged, this, &PalettePanel::pendingChanged);

    constexpr int labelTops[] = {960, 1560, 2160};
    constexpr int comboLefts[] = {0, 49, 49};
    for (int i = 0; i < 3; ++i) {
        const QString caption = u"属性"_s + optionNumbers[i];
        auto *label = new QLabel(caption, this);
        label->setObjectName(u"Label%1"_s.arg(i + 1));
        label->setFont(designFont(11.25));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(twipsRect(0, labelTops[i], 2055, 255));
        label->hide();
        m_labels[i] = label;

        m_combos[i] = makeCombo(this, u"zokusei%1"_s.arg(i + 1), caption,
                                twipsRect(comboLefts[i], labelTops[i] + 240, 1995, 300));
        m_combos[i]->hide();
        connect(m_combos[i], &QComboBox::editTextChanged, this, &PalettePanel::pendingChanged);
        connect(m_combos[i], &ComboBox::picked, this, &PalettePanel::pendingChanged);
    }

    for (int i = 0; i < 12; ++i) {
        const QString name = u"Check%1"_s.arg(i + 1);
        auto *check = new QCheckBox(name, this); // placeholder caption, replaced before it shows
        check->setObjectName(name);
        check->setFont(designFont(9));
        check->setGeometry(twipsRect(120, 2760 + 360 * i, 1935, 375));
        check->hide();
        connect(check, &QCheckBox::toggled, this, &PalettePanel::pendingChanged);
        m_checks[i] = check;
    }

    m_insert = new QPushButton(u"挿　入"_s, this);
    m_insert->setObjectName(u"sounyuu"_s);
    m_insert->setToolTip(u"挿入ボタン"_s);
    m_insert->setFont(designFont(12, true));
    m_insert->setGeometry(twipsRect(97, 7320, 1905, 375));
    m_insert->setEnabled(false);
    connect(m_insert, &QPushButton::clicked, this, &PalettePanel::sounyuu_Click);
}

void PalettePanel::fillKinds()
{
    QStringList categories;
    for (const Category &category : catalogue(m_catalogue))
        categories << category.name.toString();
    m_kind->addListItems(categories);
}

void PalettePanel::setCatalogue(CatalogueChoice which)
{
    if (which == m_catalogue)
        return;
    m_catalogue = which;
    resetOptions();
    m_insert->setEnabled(false);
    m_tagu->clearList();
    m_tagu->setEditText(u"タグ"_s);
    m_kind->clearList();
    m_kind->setEditText(u"タグ分類"_s);
    fillKinds();
    Q_EMIT catalogueChanged();
    Q_EMIT pendingChanged();
}

QList<QWidget *> PalettePanel::tabOrder() const
{
    QList<QWidget *> order{m_kind, m_tagu, m_insert};
    for (ComboBox *combo : m_combos)
        order << combo;
    for (QCheckBox *check : m_checks)
        order << check;
    return order;
}

// Captions stay as they were: every set-up gives its controls their captions.
void PalettePanel::resetOptions()
{
    for (QLabel *label : m_labels)
        label->hide();
    for (ComboBox *combo : m_combos)
        combo->hide();
    for (QCheckBox *check : m_checks)
        check->hide();
    for (ComboBox *combo : m_combos)
        combo->clearList();
    for (QCheckBox *check : m_checks)
        check->setChecked(false);
    for (QLabel *label : m_labels)
        label->setToolTip({});
    for (ComboBox *combo : m_combos)
        combo->setToolTip({});
    for (QCheckBox *check : m_checks)
        check->setToolTip({});
}

void PalettePanel::showSetUp(const Tag &tag)
{
    for (std::size_t i = 0; i < tag.checks.size(); ++i) {
        if (tag.checks[i].caption.isEmpty())
            continue;
        m_checks[i]->setText(tag.checks[i].caption.toString());
        m_checks[i]->setChecked(tag.ticked & box(int(i) + 1));
        m_checks[i]->show();
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (!tag.labels[i].isEmpty()) {
            m_labels[i]->setText(tag.labels[i].toString());
            m_labels[i]->show();
        }
        if (!tag.combos[i].empty()) {
            m_combos[i]->addListItems(itemsOf(tag.combos[i]));
            if (tag.chosen[i] >= 0)
                m_combos[i]->setCurrentIndex(tag.chosen[i]);
            m_combos[i]->show();
        }
    }
    showTips(tag);
}

namespace {

// A caption cut off by its control is shown whole above the explanation.
QString withWholeCaption(const QString &caption, bool fits, const QString &tip)
{
    if (fits)
        return tip;
    return tip.isEmpty() ? caption : caption + u'\n' + tip;
}

bool captionFits(const QCheckBox *check)
{
    // The box and its gap take the width of the indicator plus a little spacing.
    const int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
                        + check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
    return check->fontMetrics().horizontalAdvance(check->text()) + indicator <= check->width();
}

bool captionFits(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
}

} // namespace

void PalettePanel::showTips(const Tag &tag)
{
    for (int n = 1; n <= int(m_checks.size()); ++n) {
        QCheckBox *check = m_checks[n - 1];
        if (!check->isVisibleTo(this))
            continue;
        check->setToolTip(withWholeCaption(check->text(), captionFits(check), optionTip(tag, n, m_catalogue)));
    }
    for (int n = 1; n <= 3; ++n) {
        QLabel *label = m_labels[n - 1];
        if (label->isVisibleTo(this))
            label->setToolTip(withWholeCaption(label->text(), captionFits(label), QString()));
        if (m_combos[n - 1]->isVisibleTo(this))
            m_combos[n - 1]->setToolTip(comboTip(tag, n, m_catalogue));
    }
}

void PalettePanel::kind_Click()
{
    resetOptions();
    m_insert->setEnabled(false);
    m_tagu->clearList();
    const auto categories = catalogue(m_catalogue);
    const int kind = m_kind->listIndex();
    if (kind < 0 || kind >= int(categories.size()))
        return;
    QStringList labels;
    for (const Tag &tag : categories[kind].tags)
        labels << tag.label.toString();
    m_tagu->addListItems(labels);
    for (int tagu = 0; tagu < labels.size(); ++tagu)
        m_tagu->setItemData(tagu, tagTip(m_catalogue, kind, tagu), Qt::ToolTipRole);
    Q_EMIT pendingChanged();
}

void PalettePanel::tagu_Click()
{
    resetOptions();
    m_insert->setEnabled(true);
    const auto categories = catalogue(m_catalogue);
    const int kind = m_kind->listIndex();
    const int tagu = m_tagu->listIndex();
    if (kind < 0 || kind >= int(categories.size()))
        return;
    const auto tags = categories[kind].tags;
    if (tagu < 0 || tagu >= int(tags.size()))
        return;
    showSetUp(tags[tagu]);
    Q_EMIT pendingChanged();
}

PaletteState PalettePanel::readState() const
{
    PaletteState state;
    for (std::size_t i = 0; i < m_checks.size(); ++i)
        state.checks[i] = m_checks[i]->isChecked();
    for (std::size_t i = 0; i < m_combos.size(); ++i)
        state.combos[i] = m_combos[i]->listIndex();
    return state;
}

void PalettePanel::setInsertOptions(const InsertOptions &options)
{
    m_options = options;
    Q_EMIT pendingChanged();
}

void PalettePanel::setCharsetSource(std::function<QString()> charset)
{
    m_charset = std::move(charset);
}

std::optional<QString> PalettePanel::catalogueMarkup() const
{
    const auto markup = paletteMarkup(m_catalogue, m_kind->listIndex(), m_tagu->listIndex(), readState());
    if (!markup || m_catalogue == CatalogueChoice::Designed)
        return markup;
    return withCharset(*markup, m_charset ? m_charset() : QString());
}

std::optional<QString> PalettePanel::currentMarkup() const
{
    const auto markup = catalogueMarkup();
    // 今の HTML is written in today's style already.
    if (!markup || m_options.style == MarkupStyle::Designed || m_catalogue == CatalogueChoice::Today)
        return markup;
    return styledMarkup(m_options.style, *markup, m_charset ? m_charset() : QString());
}

std::optional<Insertion> PalettePanel::pendingInsertion(qsizetype longest) const
{
    const auto markup = currentMarkup();
    if (!markup)
        return std::nullopt;
    QString selected;
    if (m_options.wrapSelection) {
        const QTextCursor cursor = m_source->textCursor();
        const qsizetype length = cursor.selectionEnd() - cursor.selectionStart();
        selected = longest >= 0 && length > longest ? u"…（選択中の %1 文字）…"_s.arg(length) : PageText(m_source, PageText::Form::Editor).selection();
    }
    return shapeInsertion(*markup, selected, m_options);
}

void PalettePanel::chooseTag(int kind, int tagu)
{
    if (kind < 0 || kind >= m_kind->count())
        return;
    m_kind->setCurrentIndex(kind);
    Q_EMIT m_kind->activated(kind);
    if (tagu < 0 || tagu >= m_tagu->count())
        return;
    m_tagu->setCurrentIndex(tagu);
    Q_EMIT m_tagu->activated(tagu);
}

void PalettePanel::sounyuu_Click()
{
    // With no category or tag chosen (the user typed over one of the two
    // combos) there is nothing to insert: the document stays as it is.
    if (m_options == InsertOptions{}) {
        if (const auto markup = catalogueMarkup()) {
            m_tags = *markup;
            m_source->setSelText(m_tags);
        }
    } else if (const auto insertion = pendingInsertion()) {
        m_tags = insertion->text;
        const int start = m_source->textCursor().selectionStart();
        m_source->setSelText(m_tags);
        QTextCursor caret = m_source->textCursor();
        caret.setPosition(start + int(insertion->caret));
        m_source->setTextCursor(caret);
    }
    m_source->setFocus(Qt::OtherFocusReason);
}
