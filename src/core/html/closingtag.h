// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The element a closing tag typed at the end of `textBeforeCaret` would close:
// the innermost one still open, spelled as its start tag spelled it (TABLE
// stays upper case). Void elements (<BR>, <IMG>) and self-closed ones never
// open; comments, declarations and the contents of scripts and styles are
// skipped, and an end tag closes the nearest open element of its name (case
// ignored) together with any left open inside it. Nothing when no element is
// open, or when the text ends inside a comment or a tag. Inside a script or
// style, the script or style itself.
std::optional<QString> elementToClose(QStringView textBeforeCaret);
