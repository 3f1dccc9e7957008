// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editortext.h"

#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include "core/text/longlinebreaks.h"

#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>

PageFiller *pageFiller(const SourceEditor *editor)
{
    const auto fillers = editor->findChildren<PageFiller *>(Qt::FindDirectChildrenOnly);
    for (PageFiller *filler : fillers) {
        if (filler->isFilling())
            return filler;
    }
    return nullptr;
}

namespace {

// The editors setEditorText() is putting a page into now.
QList<const SourceEditor *> &settingText()
{
    static QList<const SourceEditor *> editors;
    return editors;
}

} // namespace

bool settingEditorText(const SourceEditor *editor)
{
    return settingText().contains(editor);
}

PageFiller *setEditorText(SourceEditor *editor, QString text)
{
    settingText().append(editor);
    const auto done = qScopeGuard([editor] { settingText().removeOne(editor); });
    if (PageFiller *filling = pageFiller(editor))
        filling->abandon();
    QTextDocument *document = editor->document();
    // Clearing drops the modified flag without telling anyone: it is dropped
    // here first, so that whatever follows the flag hears it.
    document->setModified(false);
    QList<qsizetype> breaks = longLineBreaks(text);
    const bool inPieces = PageFiller::takesPieces(text, breaks);
    // The last page's lines go with it.
    PageLines::detach(document);
    if (inPieces || !breaks.isEmpty())
        PageLines::attach(document);
    PageFiller *filler = nullptr;
    if (inPieces) {
        document->clear();
        document->clearUndoRedoStacks();
        filler = new PageFiller(editor, std::move(text), std::move(breaks));
    } else {
        const QList<QChar> joined = PageLines::cut(text, breaks);
        // One edit block around clearing and filling: the editor lays the page
        // out once, at its end, instead of once for the old text going and
        // again as the new one streams in.
        QTextCursor block(document);
        block.beginEditBlock();
        document->setPlainText(text);
        if (PageLines *lines = PageLines::of(document))
            lines->mark(breaks, joined);
        block.endEditBlock();
        document->clearUndoRedoStacks();
    }
    document->setModified(false);
    // A page opens at its top.
    editor->setTextCursor(QTextCursor(document));
    return filler;
}
