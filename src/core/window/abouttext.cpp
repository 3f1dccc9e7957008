// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/abouttext.h"

QString aboutCaption(QStringView title)
{
    return title + u"のﾊﾞｰｼﾞｮﾝ情報";
}

QString versionLine(const AppVersion &version)
{
    return u"Ver " + QString::number(version.major) + u'.' + QString::number(version.minor) + u'.'
        + QString::number(version.revision);
}
