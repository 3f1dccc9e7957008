// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/lineends.h"

QStringView lineEndName(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return u"LF";
    case LineEnd::Cr:
        return u"CR";
    case LineEnd::CrLf:
        break;
    }
    return u"CRLF";
}

// Counts one code unit; a loop the compiler turns into vector instructions
// (this file is built with them on), where QStringView::count() is not.
static qsizetype countUnits(QStringView text, char16_t unit)
{
    const char16_t *units = reinterpret_cast<const char16_t *>(text.data());
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        count += units[i] == unit;
    return count;
}

LineEnd unifyLineEnds(QString &text)
{
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;
    if (text.contains(u'\r')) {
        QChar *out = text.data();
        const QChar *in = out;
        const QChar *const end = in + text.size();
        QChar *const start = out;
        while (in != end) {
            const QChar c = *in++;
            if (c == u'\r') {
                if (in != end && *in == u'\n') {
                    ++in;
                    ++crlf;
                } else {
                    ++cr;
                }
                *out++ = u'\n';
            } else {
                if (c == u'\n')
                    ++lf;
                *out++ = c;
            }
        }
        text.truncate(out - start);
    } else {
        lf = countUnits(text, u'\n');
    }
    if (lf > crlf && lf >= cr)
        return LineEnd::Lf;
    if (cr > crlf && cr > lf)
        return LineEnd::Cr;
    return LineEnd::CrLf;
}

QString withLineEnds(QStringView text, LineEnd end)
{
    if (end == LineEnd::Lf)
        return text.toString();
    if (end == LineEnd::Cr) {
        QString written = text.toString();
        written.replace(u'\n', u'\r');
        return written;
    }
    const qsizetype lines = text.count(u'\n');
    QString written(text.size() + lines, Qt::Uninitialized);
    QChar *out = written.data();
    for (const QChar c : text) {
        if (c == u'\n')
            *out++ = u'\r';
        *out++ = c;
    }
    return written;
}
