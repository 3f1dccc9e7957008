// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/completion/completion.h"

// Completion in CSS, in a stylesheet and inside an HTML page's <style> and
// style="…": properties where a declaration starts (after "{" or ";"), the
// values of the property at the caret (its keywords, colour names where a
// colour may stand, the keywords of every property, "!important"), and
// at-rules after "@". Nothing inside comments and strings, nor outside CSS.
Completions cssCompletions(const CompletionRequest &request);
