// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table/tablecounts.h"

#include "core/window/wholenumber.h"

#include <QRegularExpression>

#include <cmath>

namespace {
// Far above maxTableCells, far below where a double stops holding whole numbers.
constexpr double countClamp = 1e15;
}

std::optional<long long> wholeCount(QStringView text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    const QString normal = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    if (!decimal.match(normal).hasMatch())
        return std::nullopt;
    const double value = std::clamp(normal.toDouble(), -countClamp, countClamp);
    return roundHalfEven(value);
}

std::variant<TableSize, CountError> tableSize(QStringView rows, QStringView cols)
{
    const std::optional<long long> rowCount = wholeCount(rows);
    if (!rowCount)
        return CountError{CountField::Rows, CountError::NotANumber};
    const std::optional<long long> colCount = wholeCount(cols);
    if (!colCount)
        return CountError{CountField::Cols, CountError::NotANumber};

    const TableSize size{*rowCount, *colCount};
    if (size.rows >= 1) {
        const long long perRow = std::max(size.cols, 1LL);
        const bool tooLarge = size.rows > maxTableCells || perRow > maxTableCells
                           || size.rows * perRow > maxTableCells;
        if (tooLarge)
            return CountError{size.cols > size.rows ? CountField::Cols : CountField::Rows, CountError::TooLarge};
    }
    return size;
}
