// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class SourceEditor;

// The line numbers beside the editor's text, with the caret's line in bold.
// Hidden it takes no room; shown it narrows the text by its width, which is
// wide enough for a million lines so that it never changes while typing (a
// change of width lays out every line of a large page again).
class LineNumberGutter : public QWidget
{
    Q_OBJECT
public:
    explicit LineNumberGutter(SourceEditor *editor);

    void setShown(bool shown);
    int gutterWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    SourceEditor *m_editor;
    int m_caretBlock = -1;
};
