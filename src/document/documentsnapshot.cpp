// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentsnapshot.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Blocks copied between two looks at the clock: reading it costs more than a
// short block.
constexpr int blocksAtOnce = 64;

} // namespace

DocumentSnapshot::DocumentSnapshot(SourceEditor *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_document(editor->document())
{
    m_text.reserve(m_document->characterCount());
    connect(m_document, &QTextDocument::contentsChange, this, &DocumentSnapshot::followEdit);
}

bool DocumentSnapshot::copy(std::chrono::milliseconds budget)
{
    if (!m_editor || !m_document)
        return false;
    QElapsedTimer clock;
    clock.start();
    const PageText page(m_editor);
    // The document's last block separator is no character of the text.
    const int end = m_document->characterCount() - 1;
    while (m_copied < end) {
        const QTextBlock next = m_document->findBlockByNumber(m_document->findBlock(int(m_copied)).blockNumber() + blocksAtOnce);
        const int to = next.isValid() ? next.position() : end;
        m_text += page.range(int(m_copied), to);
        m_copied = to;
        if (budget.count() >= 0 && clock.elapsed() >= budget.count())
            return m_copied >= end;
    }
    return true;
}

// Cutting costs nothing; patching the copy in the middle would move
// megabytes at each keystroke.
void DocumentSnapshot::followEdit(int position, int, int)
{
    if (position < m_copied) {
        m_text.truncate(position);
        m_copied = position;
    }
}
