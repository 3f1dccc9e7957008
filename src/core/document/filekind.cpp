// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/filekind.h"

using namespace Qt::StringLiterals;

PageKind pageKindOfFile(QStringView path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QStringView name = path.sliced(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return PageKind::Plain;
    const QStringView suffix = name.sliced(dot + 1);
    const auto is = [suffix](QStringView wanted) { return suffix.compare(wanted, Qt::CaseInsensitive) == 0; };
    if (is(u"html") || is(u"htm") || is(u"shtml") || is(u"xhtml"))
        return PageKind::Html;
    if (is(u"css"))
        return PageKind::Css;
    if (is(u"js") || is(u"mjs"))
        return PageKind::JavaScript;
    return PageKind::Plain;
}

QString pageKindName(PageKind kind)
{
    switch (kind) {
    case PageKind::Html:
        return u"HTML"_s;
    case PageKind::Css:
        return u"CSS"_s;
    case PageKind::JavaScript:
        return u"JavaScript"_s;
    case PageKind::Plain:
        break;
    }
    return u"テキスト"_s;
}
