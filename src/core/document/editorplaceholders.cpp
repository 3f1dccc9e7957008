// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/editorplaceholders.h"

#include <array>

namespace {

struct StandIn {
    char16_t original;
    char16_t placeholder;
};

constexpr std::array<StandIn, 3> standIns{{
    {0x2029, 0xFDD2},
    {0xFDD0, 0xFDD3},
    {0xFDD1, 0xFDD4},
}};

} // namespace

qsizetype countEditorBreakers(QStringView text)
{
    qsizetype count = 0;
    for (const StandIn &standIn : standIns)
        count += text.count(QChar(standIn.original));
    return count;
}

bool canUsePlaceholders(QStringView text)
{
    for (const StandIn &standIn : standIns) {
        if (text.contains(QChar(standIn.placeholder)))
            return false;
    }
    return true;
}

void putPlaceholders(QString &text)
{
    for (const StandIn &standIn : standIns)
        text.replace(QChar(standIn.original), QChar(standIn.placeholder));
}

void takePlaceholders(QString &text)
{
    for (const StandIn &standIn : standIns)
        text.replace(QChar(standIn.placeholder), QChar(standIn.original));
}
