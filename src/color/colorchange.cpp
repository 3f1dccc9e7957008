// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colorchange.h"

#include "color/getcolorcode.h"
#include "core/color/colorvalue.h"
#include "editor/sourceeditor.h"
#include "window/commondialog.h"

#include <QTextCursor>

namespace {

// The dialog's colour value: low byte red, then green, then blue.
quint32 dialogColour(const QColor &colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

} // namespace

std::optional<QString> changeColourValue(CommonDialog &dialog, SourceEditor *editor, int position,
                                         const QString &text)
{
    // A colour attribute's value may be six digits without "#".
    const auto value = parseColourValue(text, true);
    if (!value)
        return std::nullopt;
    const quint32 before = dialog.color();
    dialog.setColor(dialogColour(value->colour));
    const auto code = chooseColorCode(dialog);
    if (!code) {
        dialog.setColor(before);
        return std::nullopt;
    }
    const QString written = writeColourValue(QColor(u'#' + *code), *value);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(position);
    cursor.setPosition(position + int(text.size()), QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->setSelText(written);
    return written;
}
