// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/webfiles.h"

#include <QRegularExpression>

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct SuffixKind {
    QStringView suffix;
    WebFileKind kind;
};

constexpr std::array suffixes{
    SuffixKind{u"html", WebFileKind::Page},        SuffixKind{u"htm", WebFileKind::Page},
    SuffixKind{u"xhtml", WebFileKind::Page},       SuffixKind{u"shtml", WebFileKind::Page},
    SuffixKind{u"css", WebFileKind::Stylesheet},   SuffixKind{u"js", WebFileKind::Script},
    SuffixKind{u"mjs", WebFileKind::Script},       SuffixKind{u"png", WebFileKind::Image},
    SuffixKind{u"jpg", WebFileKind::Image},        SuffixKind{u"jpeg", WebFileKind::Image},
    SuffixKind{u"gif", WebFileKind::Image},        SuffixKind{u"webp", WebFileKind::Image},
    SuffixKind{u"svg", WebFileKind::Image},        SuffixKind{u"avif", WebFileKind::Image},
    SuffixKind{u"ico", WebFileKind::Image},        SuffixKind{u"bmp", WebFileKind::Image},
};

} // namespace

WebFileKind webFileKind(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return WebFileKind::Other;
    const QStringView suffix = fileName.sliced(dot + 1);
    for (const SuffixKind &entry : suffixes) {
        if (suffix.compare(entry.suffix, Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return WebFileKind::Other;
}

QStringList webFilePatterns()
{
    QStringList patterns;
    for (const SuffixKind &entry : suffixes)
        patterns.append(u"*."_s + entry.suffix);
    return patterns;
}

QStringList splitFilePatterns(QStringView patterns)
{
    static const QRegularExpression separators(u"[;,\\s]+"_s);
    return patterns.toString().split(separators, Qt::SkipEmptyParts);
}
