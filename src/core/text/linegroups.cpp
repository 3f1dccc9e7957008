// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/linegroups.h"

void groupShortLines(QString &text, bool firstLineGroups)
{
    qsizetype end = text.indexOf(u'\n');
    if (end < 0)
        return;
    int lines = 1;
    qsizetype length = firstLineGroups ? end : groupMost + 1;
    while (end >= 0) {
        const qsizetype nextEnd = text.indexOf(u'\n', end + 1);
        const qsizetype nextLength = nextEnd - end - 1;
        if (nextEnd >= 0 && lines < linesPerGroup && length + 1 + nextLength <= groupMost) {
            text[end] = QChar::LineSeparator;
            ++lines;
            length += 1 + nextLength;
        } else {
            lines = 1;
            length = nextLength;
        }
        end = nextEnd;
    }
}
