// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/palette/catalogue.h"

// The tag table of each 今の HTML category and the notes beside it, one file each (today_*.cpp).
std::span<const Tag> todayHeadTags();
std::span<const TagNotes> todayHeadNotes();
std::span<const Tag> todaySectionTags();
std::span<const TagNotes> todaySectionNotes();
std::span<const Tag> todayGroupingTags();
std::span<const TagNotes> todayGroupingNotes();
std::span<const Tag> todayTextTags();
std::span<const TagNotes> todayTextNotes();
std::span<const Tag> todayLinkTags();
std::span<const TagNotes> todayLinkNotes();
std::span<const Tag> todayMediaTags();
std::span<const TagNotes> todayMediaNotes();
std::span<const Tag> todayTableTags();
std::span<const TagNotes> todayTableNotes();
std::span<const Tag> todayFormTags();
std::span<const TagNotes> todayFormNotes();
std::span<const Tag> todayInteractiveTags();
std::span<const TagNotes> todayInteractiveNotes();
std::span<const Tag> todayScriptTags();
std::span<const TagNotes> todayScriptNotes();
