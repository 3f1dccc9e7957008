// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/completion/completion.h"

#include "core/completion/htmlcompletion.h"

namespace {

// A provider serving several kinds has a row for each.
struct ProviderRow {
    PageKind kind;
    CompletionProvider provider;
};

constexpr ProviderRow providers[] = {
    {PageKind::Html, &htmlCompletions},
};

} // namespace

Completions completionsAt(const CompletionRequest &request)
{
    for (const ProviderRow &row : providers) {
        if (row.kind != request.kind)
            continue;
        Completions answer = row.provider(request);
        if (!answer.isEmpty())
            return answer;
    }
    Completions none;
    none.from = none.to = request.caret;
    return none;
}

bool startsWithTyped(QStringView name, QStringView typed)
{
    return name.startsWith(typed, Qt::CaseInsensitive);
}
