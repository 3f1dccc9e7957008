// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editortext.h"

#include "editor/pagefiller.h"

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
    QTextDocument *document = editor->document();
    // Clearing drops the modified flag without telling anyone: it is dropped
    // here first, so that whatever follows the flag hears it.
    document->setModified(false);
    PageFiller *filler = nullptr;
    if (PageFiller::takesPieces(text)) {
        document->clear();
        document->clearUndoRedoStacks();
        filler = new PageFiller(editor, std::move(text));
    } else {
        // One edit block around clearing and filling: the editor lays the page
        // out once, at its end, instead of once for the old text going and
        // again as the new one streams in.
        QTextCursor block(document);
        block.beginEditBlock();
        document->setPlainText(text);
        block.endEditBlock();
        document->clearUndoRedoStacks();
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
