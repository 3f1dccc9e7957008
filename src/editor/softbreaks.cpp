// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/softbreaks.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int joinedProperty = QTextFormat::UserProperty + 0x5b0;
constexpr int breakProperty = QTextFormat::UserProperty + 0x5b1;

qint64 breakOf(const QTextBlock &block)
{
    return block.blockFormat().property(breakProperty).toLongLong();
}

} // namespace

SoftBreaks::SoftBreaks(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    setObjectName(QStringLiteral("softBreaks"));
    connect(document, &QTextDocument::contentsChange, this, &SoftBreaks::followEdit);
    connect(document, &QTextDocument::blockCountChanged, this, [this] { m_indexed = false; });
}

SoftBreaks *SoftBreaks::of(const QTextDocument *document)
{
    return document ? document->findChild<SoftBreaks *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

SoftBreaks *SoftBreaks::attach(QTextDocument *document)
{
    if (SoftBreaks *breaks = of(document))
        return breaks;
    return new SoftBreaks(document);
}

void SoftBreaks::detach(QTextDocument *document)
{
    delete of(document);
}

void SoftBreaks::cut(QString &text, const QList<qsizetype> &breaks, qsizetype offset)
{
    for (qsizetype at : breaks) {
        if (at >= offset && at - offset < text.size())
            text[at - offset] = QChar::ParagraphSeparator;
    }
}

void SoftBreaks::mark(int position, QChar joined)
{
    const QTextBlock block = m_document->findBlock(position + 1);
    if (!block.isValid() || block.position() != position + 1)
        return;
    QTextBlockFormat format = block.blockFormat();
    format.setProperty(joinedProperty, int(joined.unicode()));
    format.setProperty(breakProperty, ++m_lastBreak);
    QTextCursor(block).setBlockFormat(format);
    m_indexed = false;
}

QChar SoftBreaks::joinOf(const QTextBlock &block)
{
    const QVariant joined = block.blockFormat().property(joinedProperty);
    return joined.isValid() ? QChar(char16_t(joined.toInt())) : QChar();
}

// Runs after every change, undo and redo included: only a fresh split can
// leave two neighbours carrying one break, so replaying history mends nothing.
void SoftBreaks::followEdit(int position, int, int added)
{
    if (added == 0 || m_mending || !m_document)
        return;
    const int end = position + added;
    QList<int> copies;
    QTextBlock block = m_document->findBlock(position);
    qint64 before = breakOf(block.previous());
    for (; block.isValid() && block.position() <= end; block = block.next()) {
        const qint64 own = breakOf(block);
        if (own != 0 && own == before)
            copies.append(block.position());
        before = own;
    }
    if (copies.isEmpty())
        return;
    m_mending = true;
    QTextCursor cursor(m_document);
    cursor.joinPreviousEditBlock();
    for (int start : std::as_const(copies)) {
        cursor.setPosition(start);
        QTextBlockFormat format = cursor.blockFormat();
        format.clearProperty(joinedProperty);
        format.clearProperty(breakProperty);
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
    m_mending = false;
    m_indexed = false;
}

void SoftBreaks::giveBack(const QTextDocument *document, QString &text, int from)
{
    if (!of(document))
        return;
    const int end = from + int(text.size());
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= end;
         block = block.next()) {
        const int separator = block.position() - 1;
        if (separator < from || separator >= end)
            continue;
        if (const QChar joined = joinOf(block); !joined.isNull())
            text[separator - from] = joined;
    }
}

QString SoftBreaks::selectedText(const QTextCursor &cursor)
{
    QString text = cursor.selectedText();
    giveBack(cursor.document(), text, cursor.selectionStart());
    return text;
}

const QList<int> &SoftBreaks::continuations()
{
    if (!m_indexed) {
        m_continuations.clear();
        int number = 0;
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next(), ++number) {
            if (!joinOf(block).isNull())
                m_continuations.append(number);
        }
        m_indexed = true;
    }
    return m_continuations;
}

int SoftBreaks::lineOf(const QTextBlock &block)
{
    const int number = block.blockNumber();
    SoftBreaks *breaks = of(block.document());
    if (!breaks || number < 0)
        return number;
    const QList<int> &continuations = breaks->continuations();
    const auto after = std::upper_bound(continuations.begin(), continuations.end(), number);
    return number - int(after - continuations.begin());
}

QTextBlock SoftBreaks::lineStart(QTextBlock block)
{
    if (!of(block.document()))
        return block;
    while (block.isValid() && !joinOf(block).isNull())
        block = block.previous();
    return block;
}

QTextBlock SoftBreaks::blockOfLine(const QTextDocument *document, int line)
{
    SoftBreaks *breaks = of(document);
    if (!breaks)
        return document->findBlockByNumber(line);
    // Each continuation at or before the block wanted moves it one further.
    int number = line;
    for (int continuation : breaks->continuations()) {
        if (continuation > number)
            break;
        ++number;
    }
    return document->findBlockByNumber(number);
}

int SoftBreaks::lineCount(const QTextDocument *document)
{
    SoftBreaks *breaks = of(document);
    return document->blockCount() - (breaks ? int(breaks->continuations().size()) : 0);
}
