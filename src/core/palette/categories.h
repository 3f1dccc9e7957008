// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

// The tag table of each category and the notes beside it, one file each (category_*.cpp).
std::span<const Tag> baseTags();
std::span<const TagNotes> baseNotes();
std::span<const Tag> textTags();
std::span<const TagNotes> textNotes();
std::span<const Tag> fontTags();
std::span<const TagNotes> fontNotes();
std::span<const Tag> listTags();
std::span<const TagNotes> listNotes();
std::span<const Tag> imageTags();
std::span<const TagNotes> imageNotes();
std::span<const Tag> linkTags();
std::span<const TagNotes> linkNotes();
std::span<const Tag> formTags();
std::span<const TagNotes> formNotes();
std::span<const Tag> tableTags();
std::span<const TagNotes> tableNotes();
std::span<const Tag> frameTags();
std::span<const TagNotes> frameNotes();
std::span<const Tag> otherTags();
std::span<const TagNotes> otherNotes();
std::span<const Tag> scriptTags();
std::span<const TagNotes> scriptNotes();
