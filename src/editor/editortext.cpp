// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editortext.h"

#include "editor/pagefiller.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

PageFiller *pageFiller(const QPlainTextEdit *editor)
{
    const auto fillers = editor->findChildren<PageFiller *>(Qt::FindDirectChildrenOnly);
    for (PageFiller *filler : fillers) {
        if (filler->isFilling())
            return filler;
    }
    return nullptr;
}

PageFiller *setEditorText(QPlainTextEdit *editor, QString text)
{
    if (PageFiller *filling = pageFiller(editor))
        filling->abandon();
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
    PageFiller *filler = nullptr;
    if (PageFiller::takesPieces(text)) {
        filler = new PageFiller(editor, std::move(text));
    } else if (!text.isEmpty()) {
        QTextCursor block(document);
        block.beginEditBlock();
        document->setPlainText(text);
        block.endEditBlock();
    }
    document->setModified(false);
    // A page opens at its top.
    editor->setTextCursor(QTextCursor(document));
    return filler;
}

QString editorText(const QPlainTextEdit *editor)
{
    if (PageFiller *filling = pageFiller(editor))
        filling->finish();
    QString text = editor->document()->toRawText();
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    return text;
}
