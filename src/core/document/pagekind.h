// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the open page is written in: what completion offers, and (later) how
// it is coloured, follow from it. A new page is HTML.
enum class PageKind { Html, Css, JavaScript, Plain };
