// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette/palettetools.h"

#include "core/palette/tagnotes.h"
#include "palette/palettepanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Beyond this many selected characters the preview names the selection
// instead of copying it.
constexpr qsizetype longestPreviewedSelection = 100'000;

// The preview shows each line end, CR LF included, as one line break.
QString shownLines(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

PaletteTools::PaletteTools(PalettePanel *palette, QWidget *parent)
    : QWidget(parent)
    , m_palette(palette)
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(u"tagSearch"_s);
    m_search->setPlaceholderText(u"タグを検索（例：表、table、td、リンク）"_s);
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(u"タグの名前や要素名で検索します。Enter で先頭の候補を選びます。"_s);

    m_results = new QListWidget(this);
    m_results->setObjectName(u"tagSearchResults"_s);

    auto *previewLabel = new QLabel(u"挿入される内容："_s, this);
    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(u"markupPreview"_s);
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    previewLabel->setBuddy(m_preview);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_results, 1);
    layout->addWidget(previewLabel);
    layout->addWidget(m_preview, 2);

    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &PaletteTools::search);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        chooseResult(m_results->currentRow() >= 0 ? m_results->currentRow() : 0);
    });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { chooseResult(m_results->row(item)); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { chooseResult(m_results->row(item)); });
    connect(m_palette, &PalettePanel::pendingChanged, this, &PaletteTools::showPending);
    connect(m_palette, &PalettePanel::catalogueChanged, this, [this] { search(m_search->text()); });
    showPending();
}

void PaletteTools::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

// Up and Down in the search field walk the list of tags found, so the
// keyboard alone can choose any of them.
bool PaletteTools::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress && m_results->count() > 0) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int step = key == Qt::Key_Down ? 1 : -1;
            m_results->setCurrentRow(std::clamp(m_results->currentRow() + step, 0, m_results->count() - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PaletteTools::search(const QString &query)
{
    m_results->clear();
    const CatalogueChoice which = m_palette->catalogueChoice();
    const auto categories = catalogue(which);
    for (const TagPlace &place : findTags(query, which)) {
        const Category &category = categories[place.kind];
        const TagNotes &notes = category.notes[place.tagu];
        QString text = category.tags[place.tagu].label + u"（"_s + category.name + u"）"_s;
        if (!notes.elements.isEmpty())
            text += u"  "_s + notes.elements;
        auto *item = new QListWidgetItem(text, m_results);
        item->setData(Qt::UserRole, place.kind);
        item->setData(Qt::UserRole + 1, place.tagu);
        item->setToolTip(tagTip(which, place.kind, place.tagu));
    }
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
}

void PaletteTools::chooseResult(int row)
{
    const QListWidgetItem *item = m_results->item(row);
    if (!item)
        return;
    m_palette->chooseTag(item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt());
}

void PaletteTools::showEvent(QShowEvent *event)
{
    showPending();
    QWidget::showEvent(event);
}

void PaletteTools::showPending()
{
    // Hidden, the preview waits: it is brought up to date when it shows.
    if (!isVisible())
        return;
    const auto insertion = m_palette->pendingInsertion(longestPreviewedSelection);
    const QString shown = insertion ? shownLines(insertion->text) : QString();
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_preview->setPlainText(m_shown);
}
