// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/filefilter.h"

QStringList nameFiltersFrom(QStringView filter)
{
    QStringList filters;
    const auto parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QStringView pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << pattern.trimmed().toString();
        filters << parts[i].toString() + u" (" + patterns.join(u' ') + u')';
    }
    return filters;
}
