// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rounds to the nearest whole number, a half to the even neighbour
// (10.5 -> 10, 11.5 -> 12): the rounding the program uses for font sizes
// and typed counts.
long long roundHalfEven(double value);
