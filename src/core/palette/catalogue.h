// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

// What the palette's option controls hold when Insert is pressed: the twelve
// check boxes Check1..Check12 and the list indexes of zokusei1..zokusei3
// (-1 when no item is chosen, also after the user typed into the combo).
struct PaletteState {
    std::array<bool, 12> checks{};
    std::array<int, 3> combos{-1, -1, -1};

    bool ticked(int box) const { return checks.at(box - 1); }   // box: 1 for Check1
    int chosen(int combo) const { return combos.at(combo - 1); } // combo: 1 for zokusei1
};

// A check box of a tag: its caption and, for the common case of a box that
// adds one attribute, what a tick writes. A box whose attribute takes its value
// from a combo names that combo (1 for zokusei1): the chosen keyword and the
// closing quote follow `written`, the quotes staying when nothing is chosen.
// A box that writes no attribute of its own (an element, a script) says
// what it does in `tip`; the others are explained by the attributes they write.
struct Option {
    QStringView caption;
    QStringView written = {};
    int valueFrom = 0;
    QStringView tip = {};
};

// A combo item and the keyword it stands for in the markup.
struct Choice {
    QStringView item;
    QStringView written;
};
using Choices = std::span<const Choice>;

struct Tag;
using MarkupStep = QString (*)(const Tag &tag, const PaletteState &state);

// open + the attributes of the ticked boxes + for each combo its lead and
// chosen keyword + close: the shape most tags share.
QString elementMarkup(const Tag &tag, const PaletteState &state);

// One tag of the palette: its label in tagu, its set-up (which controls show,
// with which captions, items and ticks) and its markup step.
struct Tag {
    QStringView label;
    std::span<const Option> checks = {};      // Check1, Check2, …; an empty caption keeps that box hidden
    unsigned ticked = 0;                      // boxes the set-up ticks: bit n-1 for Check n
    std::array<QStringView, 3> labels = {};   // Label1..Label3; empty ones stay hidden
    std::array<Choices, 3> combos = {};       // zokusei1..zokusei3; empty ones stay hidden
    QStringView open = {};                    // the literal the markup starts with
    std::array<QStringView, 3> leads = {};    // written before each combo's keyword, e.g. " align='"
    QStringView close = {};                   // the literal the markup ends with
    MarkupStep markup = &elementMarkup;
    std::array<int, 3> chosen = {-1, -1, -1}; // the item the set-up chooses in zokusei1..3; -1 for none
};

constexpr unsigned box(int n) { return 1u << (n - 1); }

// What the user reads about a tag and finds it by: the element names it
// writes (upper case, blank-separated), a short explanation, and the words a
// user may search for that neither the label nor the elements hold ("表").
struct TagNotes {
    QStringView elements;
    QStringView explanation;
    QStringView words = {};
};

struct Category {
    QStringView name;
    std::span<const Tag> tags;
    std::span<const TagNotes> notes; // one per tag, in the same order
};

// The eleven categories of kind, in list order.
std::span<const Category> catalogue();

// The palette holds one of two catalogues, chosen in 設定: the designed one
// (the default) or 今の HTML, the elements of today's living standard in
// today's markup (lower case, double quotes, boolean attributes bare).
enum class CatalogueChoice { Designed, Today };

// The categories of the chosen catalogue, in list order.
std::span<const Category> catalogue(CatalogueChoice which);

// The catalogue the settings hold ("palette/catalogue": "designed" or "today").
CatalogueChoice storedCatalogue();
void storeCatalogue(CatalogueChoice which);

// The markup Insert writes for category `kind` and tag `tagu`, or nothing when
// either index names no tag. Controls the tag's set-up leaves hidden are
// ignored: a hidden box counts as unticked, a hidden combo as unchosen.
std::optional<QString> paletteMarkup(int kind, int tagu, const PaletteState &state);
// … of the chosen catalogue. 今の HTML's markup leaves <meta charset=""> empty
// for the page's encoding (withCharset in todaymarkup.h fills it).
std::optional<QString> paletteMarkup(CatalogueChoice which, int kind, int tagu, const PaletteState &state);
