// SPDX-License-Identifier: GPL-3.0-or-later
// フォント: the FONT start tag, the character styles and the character references.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

constexpr Option fontOptions[] = {
    {u"サイズ", u" size=''"},
    {u"種類", u" face=''"},
};

// Each reference at most once, the less-than sign first, whatever the order of ticking.
constexpr Option characterReferences[] = {
    {u"<", u"&lt;"},
    {u">", u"&gt;"},
    {u"（半角スペース）", u"&nbsp;"},
};

constexpr Tag tags[] = {
    {.label = u"フォント", .checks = fontOptions, .open = u"<FONT", .close = u">"},
    {.label = u"太字", .open = u"<B></B>"},
    {.label = u"斜体", .open = u"<I></I>"},
    {.label = u"抹消線", .open = u"<STRIKE></STRIKE>"},
    {.label = u"等幅", .open = u"<TT></TT>"},
    {.label = u"下線", .open = u"<U></U>"},
    {.label = u"上付き", .open = u"<SUP></SUP>"},
    {.label = u"下付き", .open = u"<SUB></SUB>"},
    {.label = u"大きい文字", .open = u"<BIG></BIG>"},
    {.label = u"小さい文字", .open = u"<SMALL></SMALL>"},
    {.label = u"強調", .open = u"<EM></EM>"},
    {.label = u"より強調", .open = u"<STRONG></STRONG>"},
    {.label = u"特殊な文字", .checks = characterReferences},
};
static_assert(std::size(tags) == 13);

} // namespace

std::span<const Tag> fontTags()
{
    return tags;
}
