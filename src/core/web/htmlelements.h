// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <span>

// The program's one table of HTML's elements and attributes: what the living
// standard has, what it made obsolete and what to write instead, which
// attributes are boolean and which take a keyword, and a one-line Japanese
// explanation of each. Completion, the tag dock, the palette's 今の HTML
// catalogue and the page check all read it, so that they never disagree
// about what HTML is.
//
// The rows are generated (htmlelements_data.cpp, by
// scripts/webdata/generate-webdata.mjs from kept npm packages and our notes
// in scripts/webdata/notes-ja.txt); never edit them by hand. Names are lower
// case; lookups ignore ASCII case. Everything is constant data: the views
// stay valid for the life of the program.
namespace WebData {

struct AttributeInfo {
    QStringView name = {};
    QStringView explanation = {};             // Japanese, one line; empty for an attribute we have not described
    QStringView instead = {};                 // for an obsolete attribute: what to write instead (Japanese)
    std::span<const QStringView> values = {}; // the keywords it takes, best-known first; empty for a free value
    bool boolean = false;                     // written bare (`disabled`); `values` may still hold extra keywords (hidden="until-found")
    bool obsolete = false;                    // the living standard no longer allows it here
};

struct ElementInfo {
    QStringView name;
    QStringView explanation;                   // Japanese, one line
    QStringView instead;                       // for an obsolete element: what to write instead (Japanese)
    std::span<const AttributeInfo> attributes; // its own attributes (the global ones are apart), by name
    bool isVoid = false;                       // no content and no end tag (br, img, input, …)
    bool obsolete = false;                     // removed from HTML (center, font, frameset, …)
};

// Where the rows come from, for an About text or a licence listing.
struct DataSource {
    QStringView package;
    QStringView version;
    QStringView licence;
};

// Every element HTML has or had, current and obsolete, sorted by name.
std::span<const ElementInfo> elements();

// The attributes every element takes (id, class, lang, the event handlers,
// role and aria-*), sorted by name. data-* is not a row: see findAttribute.
std::span<const AttributeInfo> globalAttributes();

// The element of that name, or nullptr for a name HTML never had (a custom
// element such as <my-card>, or a typo).
const ElementInfo *findElement(QStringView name);

// An attribute as it stands on `element`: the element's own row first, then
// the global one; a `data-…` name answers with a row of its own. nullptr
// for an attribute the element does not take, and for an unknown element.
const AttributeInfo *findAttribute(QStringView element, QStringView attribute);

// A custom element's name (a lower-case letter first and a hyphen in it):
// the page check lets those pass with any attribute.
bool isCustomElementName(QStringView name);

std::span<const DataSource> sources();

namespace Generated {
std::span<const ElementInfo> elements();
std::span<const AttributeInfo> globalAttributes();
std::span<const DataSource> sources();
} // namespace Generated

} // namespace WebData
