// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/uifonts.h"

using namespace Qt::StringLiterals;

void installJapaneseFontSubstitutes()
{
    const QStringList substitutes = {u"IPAPGothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s};
    // The windows use the half-width blank, the font dialog's start value the ideographic one.
    for (const QString &family : {u"ＭＳ Ｐゴシック"_s, u"ＭＳ　Ｐゴシック"_s}) {
        if (QFont::substitutes(family).isEmpty())
            QFont::insertSubstitutions(family, substitutes);
    }
}

QFont designFont(double pointSize, bool bold)
{
    QFont font(u"ＭＳ Ｐゴシック"_s);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
