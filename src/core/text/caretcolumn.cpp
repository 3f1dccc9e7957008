// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/caretcolumn.h"

#include <QTextBoundaryFinder>

// Whether the character may join the one before it on screen.
static bool mayJoin(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x300)
        return false;
    return c.isSurrogate() || c.isMark() || u == 0x200D || (u >= 0xFE00 && u <= 0xFE0F) || (u >= 0x1160 && u <= 0x11FF);
}

qsizetype caretColumn(QStringView lineBeforeCaret)
{
    // Most lines hold nothing that joins: counting units is counting characters.
    if (std::none_of(lineBeforeCaret.begin(), lineBeforeCaret.end(), mayJoin))
        return lineBeforeCaret.size() + 1;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, lineBeforeCaret);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count + 1;
}
