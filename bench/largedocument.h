// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pieces over and over until they make about `bytes` bytes in UTF-8.
template<qsizetype N>
QString repeatedUpTo(qsizetype bytes, const QString (&pieces)[N])
{
    QString text;
    text.reserve(bytes / 2);
    qsizetype size = 0;
    for (qsizetype i = 0; size < bytes; ++i) {
        const QString &piece = pieces[i % N];
        text += piece;
        size += piece.toUtf8().size();
    }
    return text;
}

// About `bytes` bytes (in UTF-8) of typical hand-written markup with Japanese
// text, in lines ending with "\n", as the editor holds a page whatever line
// ends its file has.
inline QString largeHtmlDocument(qsizetype bytes)
{
    const QString lines[] = {
        QStringLiteral("<TABLE border='1' width='80%'>\n"),
        QStringLiteral("<TR><TD align='center'>日本語のテキストとHTMLタグ</TD><TD>価格：1,000円</TD></TR>\n"),
        QStringLiteral("<P align='left'>本日は晴天なり。タグポットで書いたページです。</P>\n"),
        QStringLiteral("<A href='index.html'>トップページへ戻る</A><BR>\n"),
        QStringLiteral("</TABLE>\n"),
    };
    return repeatedUpTo(bytes, lines);
}
