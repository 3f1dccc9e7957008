// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/completion/completion.h"

// Completion in HTML markup: element names after "<" and "</" (the element
// left open first after "</"), a start tag's attributes (its element's and
// the global ones, less those already written), the values of attributes
// whose values are a known set, files and folders in path values, and named
// character references after "&".
Completions htmlCompletions(const CompletionRequest &request);
