// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentsnapshot.h"

#include "editor/pagelines.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

DocumentSnapshot::DocumentSnapshot(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    m_text.reserve(document->characterCount());
    connect(document, &QTextDocument::contentsChange, this, &DocumentSnapshot::followEdit);
}

bool DocumentSnapshot::copy(std::chrono::milliseconds budget)
{
    if (!m_document)
        return false;
    QElapsedTimer clock;
    clock.start();
    QTextBlock block = m_document->findBlock(int(m_copied));
    // An edit may have cut the copy inside a block: the rest of it first.
    qsizetype offset = block.isValid() ? m_copied - block.position() : 0;
    int count = 0;
    const PageLines *lines = PageLines::of(m_document);
    const bool grouped = lines && lines->groupsLines();
    while (block.isValid()) {
        const QString text = block.text();
        const qsizetype at = m_text.size();
        m_text += QStringView(text).sliced(offset);
        if (grouped)
            std::replace(m_text.begin() + at, m_text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
        offset = 0;
        const QTextBlock next = block.next();
        // The document's last block separator is no character of the text.
        if (next.isValid()) {
            const QChar joined = lines ? PageLines::joinOf(next) : QChar();
            m_text += joined.isNull() ? QChar(u'\n') : joined;
        }
        m_copied = block.position() + block.length();
        block = next;
        // The clock is read now and then: reading it costs more than a short block.
        if (budget.count() >= 0 && ++count % 64 == 0 && clock.elapsed() >= budget.count())
            return !block.isValid();
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
