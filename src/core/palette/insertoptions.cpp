// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/insertion.h"
#include "core/settings/settingkeys.h"

using namespace Qt::StringLiterals;

InsertOptions storedInsertOptions()
{
    InsertOptions options;
    options.wrapSelection = Settings::wrapSelection.value();
    options.caretIntoValue = Settings::caretIntoValue.value();
    options.style = Settings::markupStyle.value() == u"html5"_s ? MarkupStyle::Html5 : MarkupStyle::Designed;
    return options;
}

void storeInsertOptions(const InsertOptions &options)
{
    Settings::wrapSelection.setValue(options.wrapSelection);
    Settings::caretIntoValue.setValue(options.caretIntoValue);
    Settings::markupStyle.setValue(options.style == MarkupStyle::Html5 ? u"html5"_s : u"designed"_s);
}
