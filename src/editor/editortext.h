// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

class QPlainTextEdit;

// Replaces the editor's whole text, with no undo history and unmodified, and
// puts the caret at the top. The editor keeps its document object: whatever
// watches it (a highlighter, a preview) goes on working with the new text.
void setEditorText(QPlainTextEdit *editor, const QString &text);

// The editor's whole text with "\n" line ends and every character as it is:
// toPlainText() would turn no-break spaces into plain ones.
QString editorText(const QPlainTextEdit *editor);

// Whether shown, the text editorText() returned, is text as the editor holds
// it: the editor breaks lines at U+2029, U+FDD0 and U+FDD1 as well, so those
// come back as "\n".
bool holdsText(QStringView shown, QStringView text);
