// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/window/apptitle.h"

#include <QString>
#include <QStringView>

// The About box caption: the title followed by "のﾊﾞｰｼﾞｮﾝ情報".
QString aboutCaption(QStringView title);

// "Ver " and the three numbers in plain decimal digits: 1.2.10 gives "Ver 1.2.10".
QString versionLine(const AppVersion &version);
