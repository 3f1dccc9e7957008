// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/table/tablemarkup.h"

#include <QStringView>

#include <optional>
#include <variant>

// The most cells a wizard table may have; a row without cells counts as one,
// so that a row count alone cannot build a huge table either.
inline constexpr long long maxTableCells = 100'000;

// A typed count as a whole number: a decimal number, blanks around it allowed,
// full-width digits and signs read like their half-width forms, a fraction
// rounded to the nearest whole number and a half to the even neighbour.
// Nothing when the text is not a number. Numbers far beyond any table are
// clamped, which keeps them far beyond.
std::optional<long long> wholeCount(QStringView text);

enum class CountField { Rows, Cols };

struct CountError {
    enum Problem { NotANumber, TooLarge };
    CountField field;
    Problem problem;

    friend bool operator==(const CountError &, const CountError &) = default;
};

// Both counts read with wholeCount, or what is wrong with them. A table over
// maxTableCells blames the larger count.
std::variant<TableSize, CountError> tableSize(QStringView rows, QStringView cols);
