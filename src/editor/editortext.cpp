// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editortext.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

void setEditorText(QPlainTextEdit *editor, const QString &text)
{
    QTextDocument *old = editor->document();
    // The editor deletes only the document it made itself, and does so at once.
    const bool oldIsOurs = old->parent() == editor;
    auto *document = new QTextDocument(editor);
    document->setDefaultFont(old->defaultFont());
    document->setDefaultTextOption(old->defaultTextOption());
    document->setDocumentMargin(old->documentMargin());
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    editor->setDocument(document);
    if (oldIsOurs)
        delete old;
    // Filled once it is the editor's own, in one edit block: a document filled
    // first and handed over afterwards takes half as much memory again.
    if (!text.isEmpty()) {
        QTextCursor block(document);
        block.beginEditBlock();
        document->setPlainText(text);
        block.endEditBlock();
    }
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
