// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PalettePanel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// Beside the palette: a search field (`tagSearch`) that finds any tag by its
// label or element name and chooses it in the palette, and a read-only view
// (`markupPreview`) of exactly what Insert would write now.
class PaletteTools : public QWidget
{
    Q_OBJECT
public:
    PaletteTools(PalettePanel *palette, QWidget *parent);

    // Puts the caret into the search field, its text selected.
    void focusSearch();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void search(const QString &query);
    void chooseResult(int row);
    void showPending();

    PalettePanel *m_palette;
    QLineEdit *m_search = nullptr;
    QListWidget *m_results = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    // What the preview shows: set again only when it changes, so that it
    // keeps its scroll place.
    QString m_shown;
};
