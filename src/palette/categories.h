// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette/catalogue.h"

// The tag table of each category, one file each (category_*.cpp).
std::span<const Tag> baseTags();
std::span<const Tag> textTags();
