// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/html/tokenspan.h"

#include <QList>
#include <QStringList>

// Spans written as "line:kind:text", one per span, so that a failing row shows
// what was coloured how. Each line is tokenized from the state the line above
// ended in, as the editor does; following the state alone must agree, and
// spans must be in order, inside the line and apart.
template<typename Token, typename State, typename Tokenize, typename Name>
QStringList describeSpans(const QString &text, State state, Tokenize tokenize, Name name)
{
    using namespace Qt::StringLiterals;
    QStringList described;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QList<TokenSpan<Token>> spans;
        const State end = tokenize(lines[i], state, &spans);
        if (tokenize(lines[i], state, nullptr) != end)
            described << u"state-only pass disagrees on line %1"_s.arg(i);
        int previousEnd = 0;
        for (const TokenSpan<Token> &span : std::as_const(spans)) {
            if (span.start < previousEnd || span.length <= 0 || span.start + span.length > lines[i].size())
                described << u"bad span on line %1"_s.arg(i);
            previousEnd = span.start + span.length;
            described << u"%1:%2:%3"_s.arg(i).arg(name(span.token), lines[i].mid(span.start, span.length));
        }
        state = end;
    }
    return described;
}
