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

// Every page opened passes through here: one pass with no branch per
// character, which the compiler turns into vector instructions (this file is
// built with them on), rather than one search per character.
qsizetype countEditorBreakers(QStringView text)
{
    static_assert(standIns.size() == 3);
    const char16_t *units = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype size = text.size();
    qsizetype count = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = units[i];
        count += (u == standIns[0].original) + (u == standIns[1].original) + (u == standIns[2].original);
    }
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
