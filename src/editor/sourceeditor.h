// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// The editor pane: the whole document as plain text. Markup enters through
// setSelText only. Paragraph alignment is a display setting kept outside the
// text: toPlainText() never carries it.
class SourceEditor : public QPlainTextEdit
{
    Q_OBJECT
    // The page's text as QPlainTextEdit gives it, with the spaces and tabs
    // that a very long line is shown cut at (see PageLines) given back, and
    // a page still going in completed first.
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    explicit SourceEditor(QWidget *parent = nullptr);

    QString toPlainText() const;

public slots:
    // As QPlainTextEdit's, except that a page with very long lines, or of
    // many megabytes, goes in the way opening puts it in (see PageLines),
    // complete when this returns.
    void setPlainText(const QString &text);

public:
    // Replaces the selection with text (or inserts it at the caret), leaves
    // the caret after it and brings it into view. One undo step.
    void setSelText(const QString &text);

    // Aligns the paragraph at the caret, or every paragraph the selection touches.
    void setSelAlignment(int alignment);
    // The alignment of the paragraph at the caret.
    int selAlignment() const;

    // Whether the page's own U+2029, U+FDD0 and U+FDD1 stand in the editor
    // as U+FDD2–U+FDD4 (see editorplaceholders.h), to be given back as
    // themselves by PageText. Set by whoever puts a page in.
    bool holdsStandIns() const { return m_standIns; }
    void setHoldsStandIns(bool standIns) { m_standIns = standIns; }

    // The editor's own menu, with copying shown on Ctrl+Insert: Ctrl+C
    // belongs to the View menu's centring.
    QMenu *createContextMenu(const QPoint &position);

    // Where blocks are drawn, for what paints beside or over the text
    // (colouring, the line-number gutter).
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;
    using QPlainTextEdit::setViewportMargins;

signals:
    // The viewport was painted: what paints over the text (colour swatches)
    // paints now.
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void alignVisibleBlocks();
    void cutLongLinesOfNewText();

    bool m_wholeTextReplaced = false;
    bool m_standIns = false;
};
