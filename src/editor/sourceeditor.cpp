// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/sourceeditor.h"

#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/pagetext.h"

#include "core/text/longlinebreaks.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

SourceEditor::SourceEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A scroll bar that came and went would change the text width, and every
    // width change lays out each line of the document again: on a page of
    // many megabytes that is a visible pause after loading or typing.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        if (position == 0 && added >= document()->characterCount())
            m_wholeTextReplaced = true;
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SourceEditor::cutLongLinesOfNewText);
}

// A whole text put in past this class (QPlainTextEdit::setPlainText called
// through a base pointer) is taken as opening takes a page: long lines are
// cut, and the last page's cuts and shared blocks go. QPlainTextEdit moves
// the caret once the new text is in and its history cleared: that is when.
void SourceEditor::cutLongLinesOfNewText()
{
    if (!std::exchange(m_wholeTextReplaced, false) || settingEditorText(this))
        return;
    // An edit of the page (a paste over all of it, say, or undoing one)
    // leaves history behind; QPlainTextEdit::setPlainText() leaves none.
    QTextDocument *doc = document();
    if (!doc->isUndoRedoEnabled() || doc->isUndoAvailable() || doc->isRedoAvailable() || pageFiller(this))
        return;
    PageLines::detach(doc);
    bool longLine = false;
    for (QTextBlock block = doc->begin(); block.isValid() && !longLine; block = block.next())
        longLine = block.length() > longLineFrom;
    if (!longLine)
        return;
    const bool modified = doc->isModified();
    const int position = textCursor().position();
    if (PageFiller *filler = setEditorText(this, PageText(this, PageText::Form::Editor).all()))
        filler->finish();
    doc->setModified(modified);
    QTextCursor caret(doc);
    caret.setPosition(std::min(position, doc->characterCount() - 1));
    setTextCursor(caret);
}

QString SourceEditor::toPlainText() const
{
    if (PageFiller *filling = pageFiller(this))
        filling->finish();
    QString text = QPlainTextEdit::toPlainText();
    PageLines::giveBack(document(), text);
    return text;
}

void SourceEditor::setPlainText(const QString &text)
{
    if (text.size() < PageFiller::piecewiseFrom && longLineBreaks(text).isEmpty()) {
        // The last page's long lines or shared blocks go with it.
        PageLines::detach(document());
        QPlainTextEdit::setPlainText(text);
        return;
    }
    if (PageFiller *filler = setEditorText(this, text))
        filler->finish();
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
    if (const PageLines *lines = PageLines::of(doc)) {
        // A long line shown in pieces is one paragraph: all its pieces align.
        // A short line sharing a block with others gets a block of its own.
        const int start = PageLines::lineStart(doc, cursor.selectionStart());
        const int end = PageLines::lineEnd(doc, cursor.selectionEnd());
        cursor.beginEditBlock();
        for (int at : {end, start - 1}) {
            if (!lines->groupsLines() || at < 0 || doc->characterAt(at) != QChar::LineSeparator)
                continue;
            QTextCursor lineEnd(doc);
            lineEnd.setPosition(at);
            lineEnd.setPosition(at + 1, QTextCursor::KeepAnchor);
            lineEnd.removeSelectedText();
            lineEnd.insertBlock();
        }
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.mergeBlockFormat(format);
        cursor.endEditBlock();
    } else {
        cursor.mergeBlockFormat(format);
    }
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

void SourceEditor::keyPressEvent(QKeyEvent *event)
{
    // Shift+Enter would put U+2028 in the page, a line end that neither a
    // browser nor other editors show as one: it types a line end as Enter does.
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SourceEditor::paintEvent(QPaintEvent *event)
{
    alignVisibleBlocks();
    QPlainTextEdit::paintEvent(event);
    emit painted();
}

// Copying and dragging carry the page's own text: the spaces and tabs a long
// line is shown cut at come back.
QMimeData *SourceEditor::createMimeDataFromSelection() const
{
    if (!PageLines::of(document()))
        return QPlainTextEdit::createMimeDataFromSelection();
    const QString text = PageText(this, PageText::Form::Editor).selection();
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

// Pasting or dropping a line of many thousands of characters (minified
// markup) cuts it for display as opening such a page does.
void SourceEditor::insertFromMimeData(const QMimeData *source)
{
    const QString text = source->hasText() ? source->text() : QString();
    if (isReadOnly() || text.size() <= longLineFrom || longLineBreaks(text).isEmpty()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    PageLines::insertText(cursor, text);
    setTextCursor(cursor);
    ensureCursorVisible();
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
