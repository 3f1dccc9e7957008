// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagetext.h"

#include "core/document/editorplaceholders.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

PageText::PageText(const SourceEditor *editor, Form form)
    : m_editor(editor)
    , m_document(editor->document())
    , m_form(form)
{
}

// text holds the document's characters from position from on, block
// separators as U+2029.
void PageText::toForm(QString &text, int from) const
{
    PageLines::giveBack(m_document, text, from);
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    if (m_form == Form::Page && m_editor->holdsStandIns())
        takePlaceholders(text);
}

QString PageText::all() const
{
    if (PageFiller *filling = pageFiller(m_editor))
        filling->finish();
    QString text = m_document->toRawText();
    toForm(text, 0);
    return text;
}

QString PageText::range(int from, int to) const
{
    QTextCursor cursor(const_cast<QTextDocument *>(m_document));
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    toForm(text, std::min(from, to));
    return text;
}

QString PageText::selection() const
{
    const QTextCursor cursor = m_editor->textCursor();
    return range(cursor.selectionStart(), cursor.selectionEnd());
}

int PageText::lineNumber(int position) const
{
    return PageLines::lineAt(m_document, position);
}

int PageText::lineStart(int position) const
{
    return PageLines::lineStart(m_document, position);
}

int PageText::lineEnd(int position) const
{
    return PageLines::lineEnd(m_document, position);
}

QString PageText::line(int position) const
{
    return range(lineStart(position), lineEnd(position));
}

int PageText::lineCount() const
{
    return PageLines::lineCount(m_document);
}

int PageText::positionOfLine(int line) const
{
    return PageLines::positionOfLine(m_document, line);
}

qsizetype PageText::column(int position) const
{
    return PageLines::columnAt(m_document, position);
}

void PageText::forEachLine(int from, int to, const std::function<void(int number, int start)> &visit) const
{
    const PageLines *lines = PageLines::of(m_document);
    const bool grouped = lines && lines->groupsLines();
    int number = -1;
    auto reach = [&](int start) {
        if (start < from || start >= to)
            return;
        number = number < 0 ? lineNumber(start) : number + 1;
        visit(number, start);
    };
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        if (!lines || PageLines::joinOf(block).isNull())
            reach(block.position());
        if (!grouped)
            continue;
        const QString text = block.text();
        for (qsizetype end = text.indexOf(QChar::LineSeparator); end >= 0;
             end = text.indexOf(QChar::LineSeparator, end + 1))
            reach(block.position() + int(end) + 1);
    }
}

QString PageText::blockText(const QTextBlock &block) const
{
    QString text = block.text();
    toForm(text, block.position());
    return text;
}
