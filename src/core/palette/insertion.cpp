// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/insertion.h"

namespace {

// The first empty attribute value: the index between its two quotes, or -1.
qsizetype emptyValuePosition(QStringView markup)
{
    const qsizetype single = markup.indexOf(u"=''");
    const qsizetype dbl = markup.indexOf(u"=\"\"");
    if (single < 0 && dbl < 0)
        return -1;
    const qsizetype first = single < 0 ? dbl : dbl < 0 ? single : std::min(single, dbl);
    return first + 2;
}

// The editor holds each CR LF as one line break.
qsizetype editorLength(QStringView text)
{
    return text.size() - text.count(u"\r\n");
}

} // namespace

qsizetype contentPosition(QStringView markup)
{
    // The ">" must close a start tag: between "</B></HTML>" there is no content.
    for (qsizetype at = markup.indexOf(u"></"); at >= 0; at = markup.indexOf(u"></", at + 1)) {
        const qsizetype open = markup.lastIndexOf(u'<', at);
        if (open >= 0 && open + 1 < markup.size() && markup[open + 1] != u'/')
            return at + 1;
    }
    return -1;
}

Insertion shapeInsertion(QStringView markup, QStringView selected, const InsertOptions &options)
{
    const qsizetype content = contentPosition(markup);
    QString text;
    qsizetype selectedAt = -1; // where the kept selected text starts in `text`
    if (options.wrapSelection && !selected.isEmpty()) {
        if (content >= 0) {
            text = markup.left(content) + selected + markup.mid(content);
            selectedAt = content;
        } else {
            text = markup + selected;
            selectedAt = markup.size();
        }
    } else {
        text = markup.toString();
    }
    const qsizetype kept = selectedAt < 0 ? 0 : selected.size();

    qsizetype caret = text.size();
    if (options.caretIntoValue) {
        if (const qsizetype value = emptyValuePosition(markup); value >= 0)
            caret = selectedAt >= 0 && value > selectedAt ? value + kept : value;
        else if (content >= 0)
            caret = content + kept;
    }
    return {text, editorLength(QStringView(text).left(caret))};
}
