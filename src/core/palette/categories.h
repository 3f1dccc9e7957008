// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

// The tag table of each category, one file each (category_*.cpp).
std::span<const Tag> baseTags();
std::span<const Tag> textTags();
std::span<const Tag> fontTags();
std::span<const Tag> listTags();
std::span<const Tag> imageTags();
std::span<const Tag> linkTags();
std::span<const Tag> formTags();
std::span<const Tag> tableTags();
std::span<const Tag> frameTags();
std::span<const Tag> otherTags();
std::span<const Tag> scriptTags();
