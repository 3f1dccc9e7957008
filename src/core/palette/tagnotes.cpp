// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette/tagnotes.h"

#include "core/web/htmlelements.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Gloss {
    QStringView name;
    QStringView explanation;
};

// Every attribute the palette and the wizard write, in alphabetical order.
constexpr Gloss glossary[] = {
    {u"action", u"フォームの送信先（CGI などの URL、または mailto:）"},
    {u"align", u"左右（または上下）の位置"},
    {u"alink", u"クリック中のリンクの色"},
    {u"alt", u"画像を表示できないときに代わりに表示する文字列"},
    {u"autostart", u"ページを開くと自動で再生する"},
    {u"background", u"背景画像のファイル名（URL）"},
    {u"behavior", u"文字の動き方"},
    {u"bgcolor", u"背景色（#RRGGBB または色の名前）"},
    {u"border", u"枠線の太さ（ピクセル）"},
    {u"bordercolor", u"枠線の色"},
    {u"bordercolordark", u"枠線の右と下の色"},
    {u"bordercolorlight", u"枠線の左と上の色"},
    {u"cellpadding", u"セルの枠と中身の間の余白（ピクセル）"},
    {u"cellspacing", u"セルとセルの間隔（ピクセル）"},
    {u"checked", u"初めから選ばれた状態にする"},
    {u"clear", u"回り込みを解除する側（all は両側）"},
    {u"color", u"色（#RRGGBB または色の名前）"},
    {u"cols", u"横の幅（文字数）、またはフレームの縦の分割（幅をカンマで区切る）"},
    {u"colspan", u"横につなげるセルの数"},
    {u"direction", u"文字の流れる方向"},
    {u"enctype", u"送信するデータの形式（MIME タイプ）"},
    {u"face", u"フォントの名前"},
    {u"frame", u"表の外枠のうち表示する辺"},
    {u"frameborder", u"境界線を表示するか（1 は表示、0 は非表示）"},
    {u"height", u"高さ（ピクセル、または %）"},
    {u"href", u"リンク先の URL"},
    {u"hspace", u"左右の余白（ピクセル）"},
    {u"language", u"スクリプトの言語"},
    {u"leftmargin", u"ページの左の余白（ピクセル）"},
    {u"link", u"未訪問のリンクの色"},
    {u"loop", u"繰り返す回数"},
    {u"marginheight", u"上下の余白（ピクセル）"},
    {u"marginwidth", u"左右の余白（ピクセル）"},
    {u"maxlength", u"入力できる最大の文字数"},
    {u"method", u"送信方法（post または get）"},
    {u"multiple", u"複数の項目を選べるようにする"},
    {u"name", u"名前（送信するときやリンク先を指すときに使う）"},
    {u"noresize", u"ユーザーがフレームの大きさを変えられないようにする"},
    {u"noshade", u"影を付けずに塗りつぶした線にする"},
    {u"nowrap", u"セルの中で自動的に改行しない"},
    {u"rows", u"行数、またはフレームの横の分割（高さをカンマで区切る）"},
    {u"rowspan", u"縦につなげるセルの数"},
    {u"rules", u"表の内側の罫線の引き方"},
    {u"scrollamount", u"一度に動く距離（ピクセル）"},
    {u"scrolldelay", u"次に動くまでの時間（ミリ秒）"},
    {u"scrolling", u"スクロールバーを表示するか"},
    {u"selected", u"初めから選ばれた状態にする"},
    {u"size", u"大きさ（文字の大きさ、線の太さ、入力欄の幅、表示する行数）"},
    {u"span", u"まとめる列の数"},
    {u"src", u"表示・再生するファイルの URL"},
    {u"start", u"最初の番号"},
    {u"target", u"リンク先を表示するフレームやウィンドウの名前"},
    {u"text", u"文字の色"},
    {u"topmargin", u"ページの上の余白（ピクセル）"},
    {u"type", u"種類"},
    {u"valign", u"上下の位置"},
    {u"value", u"値（送信される文字列、表示される文字列、番号）"},
    {u"vlink", u"訪問済みのリンクの色"},
    {u"vspace", u"上下の余白（ピクセル）"},
    {u"width", u"幅（ピクセル、または %）"},
    {u"wrap", u"入力欄での折り返しと送信時の改行"},
};

const TagNotes *notesOf(CatalogueChoice which, int kind, int tagu)
{
    const auto categories = catalogue(which);
    if (kind < 0 || kind >= int(categories.size()))
        return nullptr;
    const auto notes = categories[kind].notes;
    if (tagu < 0 || tagu >= int(notes.size()))
        return nullptr;
    return &notes[tagu];
}

// The element a today tag's start tag names ("<img src" → img), empty for none.
QString elementOf(const Tag &tag)
{
    static const QRegularExpression start(u"^<([a-z][a-z0-9]*)"_s);
    return start.match(tag.open).captured(1);
}

// What the table of HTML's attributes says of `name` on `element`, or on
// any element that has it when the tag's element is not known.
QStringView webExplanation(QStringView element, QStringView name)
{
    if (const WebData::AttributeInfo *info = WebData::findAttribute(element, name))
        return info->explanation;
    for (const WebData::ElementInfo &info : WebData::elements()) {
        if (const WebData::AttributeInfo *attribute = WebData::findAttribute(info.name, name);
            attribute && !attribute->explanation.isEmpty())
            return attribute->explanation;
    }
    return {};
}

QStringView explanationFor(const Tag &tag, QStringView name, CatalogueChoice which)
{
    if (which == CatalogueChoice::Today)
        return webExplanation(elementOf(tag), name);
    return attributeExplanation(name);
}

QString glossOf(const Tag &tag, QStringView markup, CatalogueChoice which)
{
    QString text;
    for (const QString &name : attributeNames(markup)) {
        const QStringView explanation = explanationFor(tag, name, which);
        if (!explanation.isEmpty())
            text += u'\n' + name + u"：" + explanation;
    }
    return text;
}

// The attribute a combo's keyword goes into: its lead, or the box or piece it feeds.
QString comboAttribute(const Tag &tag, int combo)
{
    const QStringView lead = tag.leads.at(combo - 1);
    if (!lead.isEmpty())
        return lead.toString();
    for (const Option &option : tag.checks) {
        if (option.valueFrom == combo)
            return option.written.toString();
    }
    return {};
}

} // namespace

QStringView attributeExplanation(QStringView name)
{
    const auto *end = std::end(glossary);
    const auto *found = std::lower_bound(std::begin(glossary), end, name, [](const Gloss &gloss, QStringView key) {
        return gloss.name.compare(key, Qt::CaseInsensitive) < 0;
    });
    if (found == end || found->name.compare(name, Qt::CaseInsensitive) != 0)
        return {};
    return found->explanation;
}

QStringList attributeNames(QStringView markup)
{
    static const QRegularExpression attribute(u"(?:^|\\s)([A-Za-z]+)(?==|\\s|$|>)"_s);
    QStringList names;
    auto it = attribute.globalMatch(markup);
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QString tagTip(int kind, int tagu)
{
    return tagTip(CatalogueChoice::Designed, kind, tagu);
}

QString tagTip(CatalogueChoice which, int kind, int tagu)
{
    const TagNotes *notes = notesOf(which, kind, tagu);
    if (!notes)
        return {};
    QString tip = notes->explanation.toString();
    if (!notes->elements.isEmpty())
        tip += u"\n要素：" + notes->elements;
    return tip;
}

QString optionTip(const Tag &tag, int box)
{
    return optionTip(tag, box, CatalogueChoice::Designed);
}

QString optionTip(const Tag &tag, int box, CatalogueChoice which)
{
    if (box < 1 || box > int(tag.checks.size()))
        return {};
    const Option &option = tag.checks[box - 1];
    if (option.caption.isEmpty())
        return {};
    if (!option.tip.isEmpty())
        return option.tip.toString();
    QString tip = u"書き込む内容：" + option.written.trimmed();
    if (option.valueFrom > 0)
        tip += u"（値は下の一覧で選びます）";
    return tip + glossOf(tag, option.written, which);
}

QString comboTip(const Tag &tag, int combo)
{
    return comboTip(tag, combo, CatalogueChoice::Designed);
}

QString comboTip(const Tag &tag, int combo, CatalogueChoice which)
{
    if (combo < 1 || combo > 3 || tag.combos.at(combo - 1).empty())
        return {};
    QString tip;
    const QString attribute = comboAttribute(tag, combo);
    const QStringList names = attributeNames(attribute);
    if (!names.isEmpty())
        tip = names.first() + u"：" + explanationFor(tag, names.first(), which) + u'\n';
    tip += u"選んだ項目が書く値：";
    for (const Choice &choice : tag.combos.at(combo - 1)) {
        QStringView written = choice.written;
        if (written.endsWith(u'\''))
            written.chop(1);
        tip += u'\n' + choice.item + u" → " + written;
    }
    return tip;
}

QList<TagPlace> findTags(QStringView query)
{
    return findTags(query, CatalogueChoice::Designed);
}

QList<TagPlace> findTags(QStringView query, CatalogueChoice which)
{
    const QString needle = query.trimmed().toString();
    if (needle.isEmpty())
        return {};
    // Lower rank first: element name, then label, category, explanation.
    QList<std::pair<int, TagPlace>> found;
    const auto categories = catalogue(which);
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        const Category &category = categories[kind];
        for (int tagu = 0; tagu < int(category.tags.size()); ++tagu) {
            const TagNotes &notes = category.notes[tagu];
            int rank = -1;
            const auto elements = notes.elements.split(u' ', Qt::SkipEmptyParts);
            const auto words = notes.words.split(u' ', Qt::SkipEmptyParts);
            const auto same = [&](QStringView e) { return e.compare(needle, Qt::CaseInsensitive) == 0; };
            if (std::any_of(elements.begin(), elements.end(), same) || std::any_of(words.begin(), words.end(), same))
                rank = 0;
            else if (category.tags[tagu].label.startsWith(needle, Qt::CaseInsensitive))
                rank = 1;
            else if (std::any_of(elements.begin(), elements.end(),
                                 [&](QStringView e) { return e.startsWith(needle, Qt::CaseInsensitive); }))
                rank = 2;
            else if (category.tags[tagu].label.contains(needle, Qt::CaseInsensitive))
                rank = 3;
            else if (category.name.contains(needle, Qt::CaseInsensitive))
                rank = 4;
            else if (notes.explanation.contains(needle, Qt::CaseInsensitive))
                rank = 5;
            if (rank >= 0)
                found.append({rank, TagPlace{kind, tagu}});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<TagPlace> places;
    for (const auto &[rank, place] : found)
        places << place;
    return places;
}
