// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/completion/csscompletion.h"

#include "core/html/cssdata.h"
#include "core/html/cssnotes.h"
#include "core/html/csstokenizer.h"
#include "core/html/pagetokenizer.h"

#include <QColor>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QStringView view(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

// Where the caret stands in CSS: the state of the CSS before it, and where
// the CSS it belongs to starts in the request's text (a style attribute's
// value starts after its quote). Nothing outside CSS.
struct CssPlace {
    CssLineState state;
    qsizetype from;
};

std::optional<CssPlace> cssPlace(const CompletionRequest &request)
{
    const QStringView before = request.text.first(request.caret);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    std::uint8_t state = 0;
    if (lineStart > 0) {
        for (QStringView line : before.first(lineStart - 1).tokenize(u'\n'))
            state = tokenizePageLine(request.kind, line, state);
    }
    const QStringView line = before.sliced(lineStart);
    QList<PageSpan> spans;
    // The caret is no line end: what is open before it stays open.
    const std::uint8_t end = tokenizePageLine(request.kind, line, state, &spans, true);
    if (request.kind == PageKind::Css)
        return CssPlace{CssLineState::fromByte(end), 0};
    if (request.kind != PageKind::Html)
        return std::nullopt;
    constexpr std::uint8_t styleMode = 5;
    constexpr std::uint8_t tagMode = 1;
    if ((end & 7) == styleMode)
        return CssPlace{CssLineState::fromByte(end >> 3), 0};
    const bool inQuotedValue = (end & 7) == tagMode && (end >> 5 & 3) != 0;
    if (!inQuotedValue)
        return std::nullopt;
    // The value open at the caret is a style attribute's when the last name
    // before it on the line is "style".
    const auto name = std::find_if(spans.crbegin(), spans.crend(),
                                   [](const PageSpan &span) { return span.token == PageToken::AttributeName; });
    if (name == spans.crend() || line.sliced(name->start, name->length).compare(u"style", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    qsizetype quote = name->start + name->length;
    while (quote < line.size() && line[quote] != u'"' && line[quote] != u'\'')
        ++quote;
    if (quote >= line.size())
        return std::nullopt;
    const QStringView value = line.sliced(quote + 1);
    const CssLineState css = tokenizeCssLine(value, CssLineState(CssLineState::Context::Declarations), nullptr, true);
    return CssPlace{css, lineStart + quote + 1};
}

const CssProperty *propertyNamed(QStringView name)
{
    const auto properties = cssProperties();
    const auto found = std::lower_bound(properties.begin(), properties.end(), name,
                                        [](const CssProperty &property, QStringView wanted) {
                                            return view(property.name).compare(wanted, Qt::CaseInsensitive) < 0;
                                        });
    if (found == properties.end() || view(found->name).compare(name, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &*found;
}

Completion offer(const QString &label, const QString &insert, const QString &explanation, bool reopen = false)
{
    Completion completion;
    completion.label = label;
    completion.insert = insert;
    completion.caret = insert.size();
    completion.explanation = explanation;
    completion.reopen = reopen;
    return completion;
}

QList<Completion> properties(QStringView typed)
{
    QList<Completion> noted;
    QList<Completion> others;
    for (const CssProperty &property : cssProperties()) {
        if (!startsWithTyped(view(property.name), typed))
            continue;
        const QString name = view(property.name).toString();
        const QString note = cssPropertyNote(name);
        (note.isEmpty() ? others : noted)
            << offer(name, name + u": "_s, note.isEmpty() ? u"CSS のプロパティ"_s : note, true);
    }
    return noted + others;
}

QList<Completion> atRules(QStringView typed)
{
    QList<Completion> noted;
    QList<Completion> others;
    for (const CssAtRule &rule : cssAtRules()) {
        if (!startsWithTyped(view(rule.name), typed))
            continue;
        const QString name = view(rule.name).toString();
        const QString note = cssAtRuleNote(name);
        (note.isEmpty() ? others : noted)
            << offer(u'@' + name, name + u' ', note.isEmpty() ? u"CSS の @ 規則"_s : note);
    }
    return noted + others;
}

struct Keyword {
    QStringView name;
    QStringView note;
};

constexpr Keyword everyProperty[] = {
    {u"inherit", u"親要素の値を受け継ぐ"},
    {u"initial", u"初期値に戻す"},
    {u"unset", u"受け継ぐ値か初期値に戻す"},
    {u"revert", u"ブラウザーの既定のスタイルに戻す"},
};

QList<Completion> values(QStringView property, QStringView typed)
{
    QList<Completion> items;
    const CssProperty *known = propertyNamed(property);
    if (known) {
        const QString note = u"「"_s + property.toString() + u"」の値"_s;
        for (QStringView word : view(known->values).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (startsWithTyped(word, typed))
                items << offer(word.toString(), word.toString(), note);
        }
        if (known->takesColour) {
            for (QStringView word : {u"currentcolor", u"transparent"}) {
                if (startsWithTyped(word, typed))
                    items << offer(word.toString(), word.toString(),
                                   word == u"transparent" ? u"透明"_s : u"文字色（color の値）と同じ色"_s);
            }
            for (const CssColourName &colour : cssColourNames()) {
                if (startsWithTyped(view(colour.name), typed))
                    items << offer(view(colour.name).toString(), view(colour.name).toString(),
                                   u"色 "_s + QColor(colour.rgb).name());
            }
        }
    }
    for (const Keyword &keyword : everyProperty) {
        if (startsWithTyped(keyword.name, typed))
            items << offer(keyword.name.toString(), keyword.name.toString(), keyword.note.toString());
    }
    return items;
}

} // namespace

Completions cssCompletions(const CompletionRequest &request)
{
    Completions answer;
    answer.from = answer.to = request.caret;
    const auto place = cssPlace(request);
    if (!place || place->state.inside() != CssLineState::Inside::Nothing)
        return answer;
    const QStringView text = request.text;
    qsizetype wordStart = request.caret;
    while (wordStart > place->from && isNameChar(text[wordStart - 1]))
        --wordStart;
    qsizetype wordEnd = request.caret;
    while (wordEnd < text.size() && isNameChar(text[wordEnd]))
        ++wordEnd;
    const QStringView typed = text.sliced(wordStart, request.caret - wordStart);
    const QChar before = wordStart > place->from ? text[wordStart - 1] : QChar();
    answer.to = wordEnd;
    answer.from = wordStart;

    using Context = CssLineState::Context;
    const Context context = place->state.context();
    if (before == u'@' && context != Context::Value) {
        answer.from = wordStart - 1;
        answer.items = atRules(typed);
        for (Completion &item : answer.items) {
            item.insert.prepend(u'@');
            ++item.caret;
        }
        return answer;
    }
    if (context == Context::Declarations) {
        answer.items = properties(typed);
        return answer;
    }
    if (context != Context::Value)
        return answer;
    if (before == u'!') {
        answer.from = wordStart - 1;
        if (startsWithTyped(u"important", typed))
            answer.items << offer(u"!important"_s, u"!important"_s, u"この宣言をほかより優先させる"_s);
        return answer;
    }
    // The property is the name before the declaration's colon.
    const qsizetype declaration = std::max({text.first(wordStart).lastIndexOf(u';'), text.first(wordStart).lastIndexOf(u'{'),
                                            place->from - 1});
    const qsizetype colon = text.first(wordStart).lastIndexOf(u':');
    if (colon <= declaration)
        return answer;
    const QStringView property = text.sliced(declaration + 1, colon - declaration - 1).trimmed();
    answer.items = values(property, typed);
    // Once the value has a word, it may be marked important.
    if (typed.isEmpty() && !text.sliced(colon + 1, wordStart - colon - 1).trimmed().isEmpty())
        answer.items << offer(u"!important"_s, u"!important"_s, u"この宣言をほかより優先させる"_s);
    return answer;
}
