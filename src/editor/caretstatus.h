// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

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

    SourceEditor *m_editor;
};
