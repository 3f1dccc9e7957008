// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/pagekind.h"
#include "core/html/pagetokenizer.h"

#include <QColor>
#include <QObject>
#include <QRect>
#include <QTextCharFormat>
#include <QPointer>
#include <QTextBlock>
#include <QTimer>

#include <cstdint>
#include <optional>

class QTextDocument;
class SourceEditor;

// Colours the editor's page as it is drawn, as the page's kind says: HTML
// with the CSS and script inside it, a stylesheet, a script; a plain page not. Only the blocks about to be
// painted get their colours; where a line starts (in a comment, a tag, a
// script) is carried from the lines above and kept in each block's user state,
// so that a keystroke re-reads one line and opening a page reads none.
// Colours only: no bold or italics, so that lines wrap and align exactly as
// they do uncoloured, but for the room a colour's swatch takes before it.
class HtmlHighlighter : public QObject
{
    Q_OBJECT
public:
    explicit HtmlHighlighter(SourceEditor *editor);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    PageKind kind() const { return m_kind; }
    void setKind(PageKind kind);

    // Colours the blocks in view now rather than at the next paint.
    void colourVisibleBlocks();

    // A colour written in the page: the swatch's place in the viewport (none
    // for colourAt), the value's position and length in the document, its colour.
    struct Swatch {
        QRect rect;
        int position;
        QString text;
        QColor colour;
    };
    // The swatches of the blocks in view, as last painted.
    QList<Swatch> visibleSwatches() const;
    // Paints them over the editor's viewport, after the editor has painted.
    void paintSwatches();
    // The colour value the position stands in or just after, while colouring is on.
    std::optional<Swatch> colourAt(int position);

signals:
    void swatchClicked(int position, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QTextDocument *document);
    void contentsChange(int from, int charsRemoved, int charsAdded);
    // The state the block starts in, reading the lines above it as needed.
    std::uint8_t startStateOf(const QTextBlock &block);
    void settle(int number, int oldState, std::uint8_t end);
    std::uint8_t colourBlock(QTextBlock &block, std::uint8_t start);
    bool lineGoesOn(const QTextBlock &block) const;
    std::uint8_t endOfLine(const QTextBlock &block, std::uint8_t start, QList<PageSpan> *spans) const;
    QTextCharFormat swatchRoom() const;
    int swatchSize() const;
    void clearColours();
    void readAhead();

    SourceEditor *m_editor;
    QPointer<QTextDocument> m_document;
    bool m_enabled = false;
    PageKind m_kind = PageKind::Html;
    // Whether the document shows long lines in pieces, as last looked.
    bool m_hasPageLines = false;
    // Blocks numbered below this hold their true end state.
    int m_trustedUpTo = 0;
    // Blocks numbered below this were read once; after an edit their stored
    // states may be stale, and reading on stops where they agree again.
    int m_readUpTo = 0;
    // The last block an edit touched since the states were last trusted.
    int m_lastEdited = -1;
    int m_blockCount = 0;
    QTimer m_reader;
};
