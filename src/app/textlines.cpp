// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/textlines.h"

QString withLineEnds(const QString &text, QStringView lineEnd)
{
    if (lineEnd == u"\n")
        return text;
    const qsizetype breaks = text.count(u'\n');
    QString result(text.size() + breaks * (lineEnd.size() - 1), Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : text) {
        if (c == u'\n') {
            for (const QChar e : lineEnd)
                *out++ = e;
        } else {
            *out++ = c;
        }
    }
    return result;
}
