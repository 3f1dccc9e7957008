// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/sourceeditor.h"

#include "editor/softbreaks.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

SourceEditor::SourceEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A scroll bar that came and went would change the text width, and every
    // width change lays out each line of the document again: on a page of
    // many megabytes that is a visible pause after loading or typing.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void SourceEditor::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

static Qt::Alignment toQt(int alignment)
{
    switch (alignment) {
    case SourceEditor::AlignRight:
        return Qt::AlignRight;
    case SourceEditor::AlignCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

static int alignmentOf(const QTextBlockFormat &format)
{
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignRight)
        return SourceEditor::AlignRight;
    if (alignment & Qt::AlignHCenter)
        return SourceEditor::AlignCenter;
    return SourceEditor::AlignLeft;
}

void SourceEditor::setSelAlignment(int alignment)
{
    // Alignment lives in the block format, not in the text: changing it is
    // not an edit of the document, so the modified state stays as it was.
    QTextDocument *doc = document();
    const bool wasModified = doc->isModified();
    QTextBlockFormat format;
    format.setAlignment(toQt(alignment));
    QTextCursor cursor = textCursor();
    // A long line shown in pieces is one paragraph: all its pieces align.
    if (SoftBreaks::of(doc)) {
        const QTextBlock first = SoftBreaks::lineStart(doc->findBlock(cursor.selectionStart()));
        QTextBlock last = doc->findBlock(cursor.selectionEnd());
        while (last.next().isValid() && !SoftBreaks::joinOf(last.next()).isNull())
            last = last.next();
        cursor.setPosition(first.position());
        cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
    }
    cursor.mergeBlockFormat(format);
    doc->setModified(wasModified);
    viewport()->update();
}

int SourceEditor::selAlignment() const
{
    return alignmentOf(textCursor().blockFormat());
}

// The plain-text layout lays every line out left-aligned and ignores block
// formats, which keeps it fast on huge documents. Alignment is applied to the
// laid-out lines at draw time, for the visible blocks only; QTextLayout honours
// its option's alignment when drawing, hit-testing and placing the caret.
void SourceEditor::alignVisibleBlocks()
{
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const qreal bottom = viewport()->rect().bottom();
    while (block.isValid() && top <= bottom) {
        // Laying a block out resets its option: lay it out first.
        const qreal height = blockBoundingRect(block).height();
        QTextLayout *layout = block.layout();
        const Qt::Alignment wanted = toQt(alignmentOf(block.blockFormat()));
        QTextOption option = layout->textOption();
        if ((option.alignment() & Qt::AlignHorizontal_Mask) != wanted) {
            option.setAlignment(wanted);
            layout->setTextOption(option);
        }
        top += height;
        block = block.next();
    }
}

void SourceEditor::paintEvent(QPaintEvent *event)
{
    alignVisibleBlocks();
    QPlainTextEdit::paintEvent(event);
}

// Copying and dragging carry the page's own text: the spaces and tabs a long
// line is shown cut at come back.
QMimeData *SourceEditor::createMimeDataFromSelection() const
{
    if (!SoftBreaks::of(document()))
        return QPlainTextEdit::createMimeDataFromSelection();
    QString text = SoftBreaks::selectedText(textCursor());
    text.replace(QChar::ParagraphSeparator, u'\n');
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

QMenu *SourceEditor::createContextMenu(const QPoint &position)
{
    QMenu *menu = createStandardContextMenu(position);
    for (QAction *action : menu->actions()) {
        if (action->objectName() != u"edit-copy")
            continue;
        const QString text = action->text();
        action->setText(text.left(text.indexOf(u'\t')) + u'\t'
                        + QKeySequence(Qt::CTRL | Qt::Key_Insert).toString(QKeySequence::NativeText));
    }
    return menu;
}

void SourceEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
