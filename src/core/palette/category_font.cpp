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

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"FONT", .explanation = u"文字の大きさや書体を指定します。"},
    {.elements = u"B", .explanation = u"文字を太字にします。"},
    {.elements = u"I", .explanation = u"文字を斜体にします。"},
    {.elements = u"STRIKE", .explanation = u"文字に取り消し線を引きます。"},
    {.elements = u"TT", .explanation = u"文字を等幅フォントで表示します。"},
    {.elements = u"U", .explanation = u"文字に下線を引きます。"},
    {.elements = u"SUP", .explanation = u"文字を上付き（指数など）にします。"},
    {.elements = u"SUB", .explanation = u"文字を下付き（化学式の数字など）にします。"},
    {.elements = u"BIG", .explanation = u"文字を一回り大きくします。"},
    {.elements = u"SMALL", .explanation = u"文字を一回り小さくします。"},
    {.elements = u"EM", .explanation = u"文字を強調します（ふつうは斜体）。"},
    {.elements = u"STRONG", .explanation = u"文字をより強く強調します（ふつうは太字）。"},
    {.elements = u"", .explanation = u"HTML で特別な意味を持つ文字（<、>、半角スペース）を文字参照（&lt; &gt; &nbsp;）で書きます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> fontTags()
{
    return tags;
}

std::span<const TagNotes> fontNotes()
{
    return notes;
}
