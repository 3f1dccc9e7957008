// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/longlinebreaks.h"

namespace {

constexpr qsizetype pieceLeast = longLinePieceMost / 4;

bool joinsBefore(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x300 && (c.isMark() || u == 0x200D || (u >= 0xFE00 && u <= 0xFE0F) || c.isLowSurrogate());
}

bool cutsAt(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    if (c != u' ' && c != u'\t')
        return false;
    return at + 1 >= text.size() || !joinsBefore(text[at + 1]);
}

// Cuts [from, end), a line longer than a piece, into pieces.
void breakLine(QStringView text, qsizetype from, qsizetype end, QList<qsizetype> &breaks)
{
    qsizetype start = from;
    while (end - start > longLinePieceMost) {
        qsizetype cut = -1;
        for (qsizetype at = start + longLinePieceMost - 1; at >= start + pieceLeast; --at) {
            if (cutsAt(text, at)) {
                cut = at;
                break;
            }
        }
        // No space near: the first one after, however far.
        for (qsizetype at = start + longLinePieceMost; cut < 0 && at < end - 1; ++at) {
            if (cutsAt(text, at))
                cut = at;
        }
        // A space at the very end would leave an empty piece.
        if (cut < 0 || cut >= end - 1)
            return;
        breaks.append(cut);
        start = cut + 1;
    }
}

} // namespace

QList<qsizetype> longLineBreaks(QStringView text)
{
    QList<qsizetype> breaks;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (end - start > longLineFrom)
            breakLine(text, start, end, breaks);
        start = end + 1;
    }
    return breaks;
}
