// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/viewcaptions.h"

QString fontNameCaption(QStringView fontName)
{
    return u"フォント(F):" + fontName;
}

QString fontSizeCaption(int fontSize)
{
    return u"フォントサイズ(P)：" + QString::number(fontSize);
}
