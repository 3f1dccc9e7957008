// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editortext.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

void setEditorText(QPlainTextEdit *editor, const QString &text)
{
    QTextDocument *document = editor->document();
    // Clearing drops the modified flag without telling anyone: it is dropped
    // here first, so that whatever follows the flag hears it.
    document->setModified(false);
    // One edit block around clearing and filling: the editor lays the page out
    // once, at its end, instead of once for the old text going and again as
    // the new one streams in.
    QTextCursor block(document);
    block.beginEditBlock();
    document->setPlainText(text);
    block.endEditBlock();
    document->clearUndoRedoStacks();
    document->setModified(false);
    // A page opens at its top.
    editor->setTextCursor(QTextCursor(document));
}

QString editorText(const QPlainTextEdit *editor)
{
    QString text = editor->document()->toRawText();
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    return text;
}

bool holdsText(QStringView shown, QStringView text)
{
    if (shown == text)
        return true;
    if (shown.size() != text.size())
        return false;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t a = shown[i].unicode();
        const char16_t b = text[i].unicode();
        if (a != b && !(a == u'\n' && (b == QChar::ParagraphSeparator || b == 0xFDD0 || b == 0xFDD1)))
            return false;
    }
    return true;
}
