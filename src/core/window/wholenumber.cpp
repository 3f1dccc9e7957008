// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window/wholenumber.h"

#include <cmath>

long long roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even by default.
    return static_cast<long long>(std::nearbyint(value));
}
