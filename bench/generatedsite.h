// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textencoding.h"
#include "largedocument.h"

#include <QDir>
#include <QFile>
#include <QString>

// Writes a site of `pages` pages of about `bytes` bytes each into folder:
// page0000.html … in sub-folders of 100, every other one in Shift_JIS (the
// rest UTF-8), each linking to its neighbours, to an anchor of the next, to
// a stylesheet and an image, and once to a file that is missing.
inline void writeGeneratedSite(const QString &folder, int pages, qsizetype bytes)
{
    QDir root(folder);
    root.mkpath(QStringLiteral("images"));
    root.mkpath(QStringLiteral("css"));
    QFile(root.filePath(QStringLiteral("images/logo.png"))).open(QIODevice::WriteOnly);
    QFile(root.filePath(QStringLiteral("css/site.css"))).open(QIODevice::WriteOnly);
    const auto name = [](int page) {
        return QStringLiteral("part%1/page%2.html").arg(page / 100, 2, 10, QLatin1Char('0')).arg(page, 4, 10, QLatin1Char('0'));
    };
    for (int page = 0; page < pages; ++page) {
        const bool shiftJis = page % 2 == 1;
        const QString next = QStringLiteral("../") + name((page + 1) % pages);
        const QString previous = QStringLiteral("../") + name((page + pages - 1) % pages);
        QString text = QStringLiteral("<HTML><HEAD><META charset=\"%1\"><TITLE>ページ %2</TITLE>\n"
                                      "<LINK rel=\"stylesheet\" href=\"../css/site.css\"></HEAD><BODY>\n"
                                      "<H1 id=\"top-%2\">見出し</H1><A name=\"part\"></A>\n")
                           .arg(shiftJis ? QStringLiteral("Shift_JIS") : QStringLiteral("UTF-8"))
                           .arg(page);
        const QString links[] = {
            QStringLiteral("<P><A href=\"%1#part\">次へ</A> <A href=\"%2\">前へ</A> <IMG src=\"../images/logo.png\" alt=\"\"></P>\n")
                .arg(next, previous),
            QStringLiteral("<P>本日は晴天なり。タグポットで書いたページです。<A href=\"#top-%1\">上へ</A></P>\n").arg(page),
        };
        text += repeatedUpTo(bytes, links);
        text += QStringLiteral("<A href=\"missing%1.html\">無い</A></BODY></HTML>\n").arg(page);
        const QString path = root.filePath(name(page));
        root.mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(shiftJis ? *encodeStrictly(text, TextEncoding::ShiftJis) : text.toUtf8());
    }
}
