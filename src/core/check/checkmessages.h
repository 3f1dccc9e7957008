// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The Japanese wording of a checker message, given the message's key (the
// checker's own name for it, such as "MISSING_ENDTAG_FOR") and the arguments
// it reports (element names, attribute names, values) in their order. Empty
// for a key the table does not know: the caller shows the checker's own text.
QString japaneseCheckMessage(QStringView key, const QStringList &arguments);
