// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTimer>

#include <cstdint>

class QTextDocument;
class SourceEditor;

// Colours the editor's HTML as it is drawn. Only the blocks about to be
// painted get their colours; where a line starts (in a comment, a tag, a
// script) is carried from the lines above and kept in each block's user state,
// so that a keystroke re-reads one line and opening a page reads none.
// Colours only: no bold or italics, so that lines wrap and align exactly as
// they do uncoloured.
class HtmlHighlighter : public QObject
{
    Q_OBJECT
public:
    explicit HtmlHighlighter(SourceEditor *editor);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Colours the blocks in view now rather than at the next paint.
    void colourVisibleBlocks();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QTextDocument *document);
    void contentsChange(int from, int charsRemoved, int charsAdded);
    // The state the block starts in, reading the lines above it as needed.
    std::uint8_t startStateOf(const QTextBlock &block);
    void settle(int number, int oldState, std::uint8_t end);
    std::uint8_t colourBlock(QTextBlock &block, std::uint8_t start);
    void clearColours();
    void readAhead();

    SourceEditor *m_editor;
    QPointer<QTextDocument> m_document;
    bool m_enabled = false;
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
