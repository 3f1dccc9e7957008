// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/pagekind.h"
#include "core/html/tokenspan.h"

#include <QList>
#include <QStringView>

#include <cstdint>

// What a stretch of a page is, for colouring, whatever the page is written in:
// the markup of HTML, the CSS inside <style> and style="…" and of a
// stylesheet, the script inside <script> and of a script file, JSON data.
enum class PageToken : std::uint8_t {
    Tag,
    AttributeName,
    AttributeValue,
    Comment, // of markup, CSS or script
    Declaration,
    CharacterReference,
    Selector,
    Property, // a CSS property, a JSON key
    Value,    // a CSS keyword value
    Number,
    String,
    AtRule,
    Important,
    Colour,
    Function,
    Keyword, // of script, and JSON's true, false, null
    Template,
    Regex,
};
constexpr int pageTokenCount = int(PageToken::Regex) + 1;

using PageSpan = TokenSpan<PageToken>;

// The state a page's line ends in, one byte; 0 is the start of any page.
// On an HTML page it is the markup's state, with the state of the CSS or
// script a <style> or <script> holds beside it (and whether a <script> being
// opened holds script, JSON or other data); on a stylesheet or a script file
// it is that language's state.
//
// Splits a line of a page of that kind into coloured spans from `start`, and
// returns where it ends. lineGoesOn: the line is not ended but goes on in the
// next block (a long line shown in pieces). Spans come in order and never
// overlap; with no list only the state is followed. A plain page has no spans.
std::uint8_t tokenizePageLine(PageKind kind, QStringView line, std::uint8_t start, QList<PageSpan> *spans = nullptr,
                              bool lineGoesOn = false);
