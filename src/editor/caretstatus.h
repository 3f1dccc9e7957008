// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLabel>

class QTextBlock;
class SourceEditor;

// The status bar's "12 行 : 5 桁", caretPosition: the caret's line and
// column, both from 1, following every move.
class CaretStatus : public QLabel
{
    Q_OBJECT
public:
    explicit CaretStatus(SourceEditor *editor, QWidget *parent = nullptr);

private:
    void update();
    qsizetype columnsOf(const QTextBlock &piece);

    struct Piece
    {
        int revision;
        int length;
        qsizetype columns;
    };

    SourceEditor *m_editor;
    // The columns of the pieces of a long line, by block, as they were at the
    // block's last change: moving the caret along a line of megabytes counts
    // only the piece it is in.
    QHash<int, Piece> m_pieces;
};
