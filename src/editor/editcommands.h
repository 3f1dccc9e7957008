// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QWidget;
class SourceEditor;

// The Edit menu's undo, redo, cut, copy, paste and select all. Each item is
// enabled only while it can act on the editor. They act on the text field
// that has the focus (a palette combo being typed into) or else the editor.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    struct Items {
        QAction *undo;
        QAction *redo;
        QAction *cut;
        QAction *copy;
        QAction *paste;
        QAction *selectAll;
    };

    EditCommands(SourceEditor *editor, const Items &items, QObject *parent = nullptr);

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();

private:
    void updateItems();
    template<typename LineEditCall, typename EditorCall>
    void act(LineEditCall onLineEdit, EditorCall onEditor);

    SourceEditor *m_editor;
    Items m_items;
};
