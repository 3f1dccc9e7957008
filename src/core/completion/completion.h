// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/pagekind.h"

#include <QList>
#include <QString>
#include <QStringView>

// Completion: what may be typed at the caret, each offer with a one-line
// Japanese explanation. The editor's popup (src/editor/completionpopup.h)
// asks completionsAt() and shows what comes back; the offers themselves come
// from providers, pure functions of the text around the caret.
//
// Adding a provider (CSS, say):
//   1. Write `Completions cssCompletions(const CompletionRequest &)` in a file
//      of its own under src/core/completion/. It reads only the request.
//   2. Add a row to the table in completion.cpp for each page kind it serves.
//      Providers are asked in table order; the first that gives a non-empty
//      list (or a note) answers. A provider for markup inside another kind
//      (CSS inside <style> of an HTML page) serves PageKind::Html too and
//      gives nothing outside its own stretch.
//   3. Test it in tests/core/completion/ with a _data() table of
//      "text|caret" rows ("|" marks the caret) and the labels expected.

// What a provider sees. `text` is the page's own text around the caret (no
// editor stand-ins or soft breaks, "\n" line ends): a stretch of the page, so
// it may start or end inside a tag; `caret` is the caret's offset in it.
struct CompletionRequest {
    QStringView text;
    qsizetype caret = 0;
    PageKind kind = PageKind::Html;
    // The folder of the page's file, for paths; empty for a page never saved.
    QString pageFolder;
};

// One offer.
struct Completion {
    QString label;       // what the list shows ("href", "&amp;", "</ul>")
    QString insert;      // what replaces the typed stretch (see Completions)
    qsizetype caret = 0; // where the caret lands, counted from the start of insert
    QString explanation; // one line of Japanese
    // Taking it opens the list again at the new caret (an attribute whose
    // values are known, a folder of a path).
    bool reopen = false;

    friend bool operator==(const Completion &, const Completion &) = default;
};

// A provider's answer. Taking an offer replaces request.text's characters
// from `from` to `to` (offsets in request.text; `from` <= caret <= `to`)
// with its insert. The offers come in the order to show, best first, and
// already narrowed to what was typed between `from` and the caret.
struct Completions {
    qsizetype from = 0;
    qsizetype to = 0;
    QList<Completion> items;
    // Said in the status bar instead of, or beside, the offers ("ページを保存すると…").
    QString note;

    bool isEmpty() const { return items.isEmpty() && note.isEmpty(); }
};

using CompletionProvider = Completions (*)(const CompletionRequest &);

// Asks the providers for the request's page kind, in table order.
Completions completionsAt(const CompletionRequest &request);

// Whether a typed prefix leads up to a name: ASCII letters compared without case.
bool startsWithTyped(QStringView name, QStringView typed);
