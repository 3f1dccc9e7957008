// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editcommands.h"

#include "editor/sourceeditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTextDocument>

EditCommands::EditCommands(SourceEditor *editor, const Items &items, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_items(items)
{
    connect(m_items.undo, &QAction::triggered, this, &EditCommands::undo);
    connect(m_items.redo, &QAction::triggered, this, &EditCommands::redo);
    connect(m_items.cut, &QAction::triggered, this, &EditCommands::cut);
    connect(m_items.copy, &QAction::triggered, this, &EditCommands::copy);
    connect(m_items.paste, &QAction::triggered, this, &EditCommands::paste);
    connect(m_items.selectAll, &QAction::triggered, this, &EditCommands::selectAll);

    connect(m_editor, &SourceEditor::undoAvailable, this, &EditCommands::updateItems);
    connect(m_editor, &SourceEditor::redoAvailable, this, &EditCommands::updateItems);
    connect(m_editor, &SourceEditor::copyAvailable, this, &EditCommands::updateItems);
    connect(m_editor, &SourceEditor::textChanged, this, &EditCommands::updateItems);
    connect(m_editor, &SourceEditor::selectionChanged, this, &EditCommands::updateItems);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::updateItems);
    updateItems();
}

void EditCommands::updateItems()
{
    const QTextDocument *document = m_editor->document();
    const bool selected = m_editor->textCursor().hasSelection();
    const bool editable = !m_editor->isReadOnly();
    m_items.undo->setEnabled(editable && document->isUndoAvailable());
    m_items.redo->setEnabled(editable && document->isRedoAvailable());
    m_items.cut->setEnabled(editable && selected);
    m_items.copy->setEnabled(selected);
    m_items.paste->setEnabled(editable && m_editor->canPaste());
    m_items.selectAll->setEnabled(!document->isEmpty());
}

// A palette combo being typed into keeps its own undo and clipboard.
template<typename LineEditCall, typename EditorCall>
void EditCommands::act(LineEditCall onLineEdit, EditorCall onEditor)
{
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (field && field->window() == m_editor->window())
        onLineEdit(field);
    else
        onEditor(m_editor);
    updateItems();
}

void EditCommands::undo()
{
    act([](QLineEdit *field) { field->undo(); }, [](SourceEditor *editor) { editor->undo(); });
}

void EditCommands::redo()
{
    act([](QLineEdit *field) { field->redo(); }, [](SourceEditor *editor) { editor->redo(); });
}

void EditCommands::cut()
{
    act([](QLineEdit *field) { field->cut(); }, [](SourceEditor *editor) { editor->cut(); });
}

void EditCommands::copy()
{
    act([](QLineEdit *field) { field->copy(); }, [](SourceEditor *editor) { editor->copy(); });
}

void EditCommands::paste()
{
    act([](QLineEdit *field) { field->paste(); }, [](SourceEditor *editor) { editor->paste(); });
}

void EditCommands::selectAll()
{
    act([](QLineEdit *field) { field->selectAll(); }, [](SourceEditor *editor) { editor->selectAll(); });
}
