// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/caretstatus.h"

#include "core/text/caretcolumn.h"
#include "editor/pagelines.h"
#include "editor/sourceeditor.h"

#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

CaretStatus::CaretStatus(SourceEditor *editor, QWidget *parent)
    : QLabel(parent)
    , m_editor(editor)
{
    setObjectName(u"caretPosition"_s);
    connect(m_editor, &SourceEditor::cursorPositionChanged, this, &CaretStatus::update);
    update();
}

void CaretStatus::update()
{
    const QTextCursor cursor = m_editor->textCursor();
    const QTextDocument *document = m_editor->document();
    const int position = cursor.position();
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const int start = PageLines::lineStart(document, position);
    qsizetype column = 0;
    if (start >= block.position()) {
        column = caretColumn(QStringView(text).sliced(start - block.position(), position - start));
    } else {
        // The pieces of a long line before the caret's, each with the space
        // or tab its end stands for.
        column = caretColumn(QStringView(text).first(position - block.position()));
        QTextBlock piece = document->findBlock(start);
        if (start > piece.position()) {
            column += caretColumn(QStringView(piece.text()).sliced(start - piece.position()));
            piece = piece.next();
        }
        for (; piece.isValid() && piece != block; piece = piece.next())
            column += columnsOf(piece);
    }
    setText(u"%1 行 : %2 桁"_s.arg(PageLines::lineAt(document, position) + 1).arg(column));
}

// Columns of a piece with the space or tab its end stands for.
qsizetype CaretStatus::columnsOf(const QTextBlock &piece)
{
    const auto known = m_pieces.constFind(piece.fragmentIndex());
    if (known != m_pieces.cend() && known->revision == piece.revision() && known->length == piece.length())
        return known->columns;
    const qsizetype columns = caretColumn(piece.text());
    m_pieces.insert(piece.fragmentIndex(), {piece.revision(), piece.length(), columns});
    return columns;
}
