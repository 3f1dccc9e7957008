// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/completion/htmlcompletion.h"

#include "core/completion/characterreferences.h"
#include "core/completion/htmlcaretplace.h"
#include "core/html/closingtag.h"

using namespace Qt::StringLiterals;

namespace {

// The references a page written by hand uses most, offered first and
// explained in words; the rest are named by their character.
struct CommonReference {
    QStringView name;
    QStringView explanation;
};

constexpr CommonReference commonReferences[] = {
    {u"amp", u"「&」アンパサンド。本文や属性値に & を書くとき"},
    {u"lt", u"「<」小なり。本文に < を書くとき（タグと見なされない）"},
    {u"gt", u"「>」大なり"},
    {u"quot", u"「\"」二重引用符。\" で囲んだ属性値の中で"},
    {u"apos", u"「'」一重引用符。' で囲んだ属性値の中で"},
    {u"nbsp", u"改行しない空白（ノーブレークスペース）"},
    {u"copy", u"「©」著作権記号"},
    {u"reg", u"「®」登録商標記号"},
    {u"trade", u"「™」商標記号"},
    {u"yen", u"「¥」円記号"},
    {u"hellip", u"「…」三点リーダー"},
    {u"mdash", u"「—」エムダッシュ"},
    {u"ndash", u"「–」エンダッシュ"},
    {u"laquo", u"「«」左向き二重山括弧"},
    {u"raquo", u"「»」右向き二重山括弧"},
    {u"times", u"「×」乗算記号"},
    {u"divide", u"「÷」除算記号"},
    {u"larr", u"「←」左向き矢印"},
    {u"rarr", u"「→」右向き矢印"},
    {u"uarr", u"「↑」上向き矢印"},
    {u"darr", u"「↓」下向き矢印"},
    {u"middot", u"「·」中点"},
    {u"deg", u"「°」度"},
    {u"plusmn", u"「±」プラスマイナス"},
    {u"sect", u"「§」節記号"},
    {u"para", u"「¶」段落記号"},
    {u"euro", u"「€」ユーロ記号"},
    {u"shy", u"ソフトハイフン（行末で切れるときだけ表示されるハイフン）"},
    {u"zwj", u"ゼロ幅接合子（絵文字などをつなげる、幅のない文字）"},
};

QString codePoints(QStringView characters)
{
    QStringList codes;
    for (char32_t c : characters.toUcs4())
        codes << u"U+%1"_s.arg(uint(c), 4, 16, QChar(u'0')).toUpper();
    return codes.join(u' ');
}

QString referenceExplanation(const CharacterReference &reference)
{
    for (const CommonReference &common : commonReferences) {
        if (common.name == reference.name)
            return common.explanation.toString();
    }
    const bool visible = !reference.characters.isEmpty() && reference.characters.front().isPrint()
                      && !reference.characters.front().isSpace();
    const QString shown = visible ? u"文字「"_s + reference.characters + u"」"_s : u"見えない文字 "_s;
    return shown + codePoints(reference.characters);
}

Completion referenceOffer(const CharacterReference &reference)
{
    Completion offer;
    offer.label = u'&' + reference.name.toString() + u';';
    offer.insert = reference.name.toString() + u';';
    offer.caret = offer.insert.size();
    offer.explanation = referenceExplanation(reference);
    return offer;
}

// Named references are case-sensitive ("&Aring;" is not "&aring;"): typed
// letters narrow them as written, the common ones first.
QList<Completion> referenceOffers(QStringView typed)
{
    QList<Completion> offers;
    const auto all = characterReferences();
    for (const CommonReference &common : commonReferences) {
        if (!common.name.startsWith(typed))
            continue;
        for (const CharacterReference &reference : all) {
            if (reference.name == common.name)
                offers << referenceOffer(reference);
        }
    }
    const qsizetype common = offers.size();
    for (const CharacterReference &reference : all) {
        if (!reference.name.startsWith(typed))
            continue;
        bool listed = false;
        for (qsizetype i = 0; i < common && !listed; ++i)
            listed = offers[i].insert.chopped(1) == reference.name;
        if (!listed)
            offers << referenceOffer(reference);
    }
    return offers;
}

// Legacy pages write their tags in capitals (<TABLE>): a name begun in
// capitals goes on in capitals.
bool typedInCapitals(QStringView typed)
{
    bool letter = false;
    for (QChar c : typed) {
        if (c.isLower())
            return false;
        letter = letter || c.isLetter();
    }
    return letter;
}

QList<Completion> endTagOffers(QStringView text, const HtmlCaretPlace &place, QStringView typed)
{
    QList<Completion> offers;
    if (const auto open = elementToClose(text.first(place.tagStart)); open && startsWithTyped(*open, typed)) {
        Completion offer;
        offer.label = u"</"_s + *open + u'>';
        offer.insert = *open + u'>';
        offer.caret = offer.insert.size();
        offer.explanation = u"開いている要素 <%1> を閉じる"_s.arg(*open);
        offers << offer;
    }
    return offers;
}

} // namespace

Completions htmlCompletions(const CompletionRequest &request)
{
    const HtmlCaretPlace place = htmlCaretPlace(request.text, request.caret);
    Completions answer;
    answer.from = place.from;
    answer.to = place.to;
    const QStringView typed = request.text.sliced(place.from, request.caret - place.from);
    switch (place.kind) {
    case HtmlCaretPlace::CharacterReference:
        answer.items = referenceOffers(typed);
        break;
    case HtmlCaretPlace::EndTagName:
        answer.items = endTagOffers(request.text, place, typed);
        break;
    default:
        break;
    }
    if (typedInCapitals(typed) && place.kind != HtmlCaretPlace::CharacterReference) {
        for (Completion &offer : answer.items)
            offer.insert = offer.insert.toUpper();
    }
    return answer;
}
