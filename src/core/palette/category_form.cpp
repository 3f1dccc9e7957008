// SPDX-License-Identifier: GPL-3.0-or-later
// フォーム: the form element, its inputs and buttons, the menus and the field group.
#include "core/palette/categories.h"
#include "core/palette/palettemarkup.h"

namespace {

// Two destinations write a placeholder for the user to overwrite, not a keyword.
constexpr Choice destinations[] = {
    {u"ＣＧＩなどのＵＲＬ", u"送信先ＵＲＬ"},
    {u"メール", u"mailto:メールアドレス"},
};

constexpr Choice encodings[] = {
    {u"エンコード（変換）", u"application/x-www-form-urlencoded"},
    {u"プレーンテキスト", u"text/plain"},
    {u"フォームデータ", u"multipart/form-data"},
};

constexpr Choice methods[] = {
    {u"標準(ﾌｫｰﾑ)･ﾒｰﾙ", u"post"},
    {u"URL+ﾌｫｰﾑ", u"get"},
};

constexpr Option formOptions[] = {
    {.caption = u"ファームを送信する", .tip = u"送信先（action）と送信方法（method）を書きます。"},
    {},
    {.caption = u"データ送信時のMIMEタイプ指定", .tip = u"送信するデータの形式（enctype）を書きます。送信と一緒に使います。"},
};

// The encoding type counts only inside the send box: unticked, the form stands bare.
constexpr Piece formPieces[] = {
    {always, u"<FORM"},
    {box(1), u" action='", 1},
    {box(1) | box(3), u" enctype='", 2},
    {box(1), u" method='", 3},
    {always, u"></FORM>"},
};

constexpr Choice textInputTypes[] = {
    {u"テキスト", u"text"},
    {u"パスワード", u"password"},
};

constexpr Option textInputOptions[] = {
    {u"名前", u" name=''"},
    {u"文字数（幅）", u" size=''"},
    {u"デフォルト表示文字列", u" value=''"},
    {u"最大文字数", u" maxlength=''"},
};

constexpr Option textAreaOptions[] = {
    {u"名前", u" name=''"},
    {u"半角文字数（幅）", u" cols=''"},
    {u"行数", u" rows=''"},
};

// Each wrap value carries the closing quote of the attribute.
constexpr Choice wrapModes[] = {
    {u"画面上のみ改行", u"soft'"},
    {u"改行", u"hard'"},
    {u"改行なし", u"off'"},
};

QString textAreaMarkup(const Tag &tag, const PaletteState &state)
{
    const QStringView wrap = chosenWord(tag, state, 1);
    return u"<TEXTAREA" + tickedAttributes(tag, state) + u" wrap='" + (wrap.isEmpty() ? u"'" : wrap)
        + u"></TEXTAREA>";
}

constexpr Option choiceInputOptions[] = {
    {u"名前", u" name=''"},
    {u"送信されるテキスト", u" value=''"},
    {u"あらかじめ選択", u" checked"},
};

// Hidden field, radio button and check box: the value box is ticked at set-up, so
// a bare Insert already writes " value=''"; the hidden field offers no pre-selection.
constexpr Tag choiceInput(QStringView label, QStringView open, std::size_t boxes)
{
    return {.label = label,
            .checks = std::span(choiceInputOptions).first(boxes),
            .ticked = box(2),
            .open = open,
            .close = u">"};
}

constexpr Option buttonOptions[] = {
    {u"名前", u" name=''"},
    {u"表示文字列", u" value=''"},
};
constexpr auto buttonTextOnly = std::span(buttonOptions).last(1);

// Submit, reset and push buttons: the button text box comes last and is ticked at set-up.
constexpr Tag inputButton(QStringView label, QStringView open, std::span<const Option> boxes)
{
    return {.label = label, .checks = boxes, .ticked = box(int(boxes.size())), .open = open, .close = u">"};
}

constexpr Option imageButtonOptions[] = {
    {u"画像代わりテキスト", u" alt=''"},
    {u"名前", u" name=''"},
};

// The two text-side items write the side the image stands on.
constexpr Choice imageButtonAlignments[] = {
    {u"上揃え", u"top"},
    {u"中央", u"middle"},
    {u"下揃え", u"bottom"},
    {u"右にテキスト", u"left"},
    {u"左にテキスト", u"right"},
};

constexpr Choice buttonKinds[] = {
    {u"ノーマルボタン", u"button"},
    {u"送信ボタン", u"submit"},
    {u"リセットボタン", u"reset"},
};

constexpr Option buttonElementOptions[] = {
    {u"名前", u" name=''"},
    {u"送信されるテキスト", u" value=''"},
};

// Which box plays which part in a menu tag; 0 for a part the tag does not offer.
struct MenuBoxes {
    QStringView select;
    int menu, name, multiple, option, preselected, value;
};

constexpr MenuBoxes pullDownBoxes{u"<SELECT", 1, 2, 0, 4, 5, 6};
constexpr MenuBoxes listBoxBoxes{u"<SELECT size=''", 1, 2, 3, 5, 6, 7};

constexpr Option pullDownOptions[] = {
    {.caption = u"メニュー作成", .tip = u"メニュー全体（SELECT）を書きます。"},
    {.caption = u"名前", .tip = u"メニューの名前（name）。送信時に値の名前になります。"},
    {},
    {.caption = u"メニュー項目作成", .tip = u"メニューの項目（OPTION）を一つ書きます。"},
    {.caption = u"あらかじめ選択", .tip = u"この項目を初めから選んでおきます（selected）。"},
    {.caption = u"送信されるテキスト", .tip = u"この項目を選んだときに送信される値（value）。"},
};

constexpr Option listBoxOptions[] = {
    {.caption = u"リストボックス作成", .tip = u"リストボックス全体（SELECT）を書きます。size に表示する行数を書きます。"},
    {.caption = u"名前", .tip = u"リストボックスの名前（name）。送信時に値の名前になります。"},
    {.caption = u"複数選択可能", .tip = u"項目をいくつでも選べるようにします（multiple）。"},
    {},
    {.caption = u"メニュー項目作成", .tip = u"リストの項目（OPTION）を一つ書きます。"},
    {.caption = u"あらかじめ選択", .tip = u"この項目を初めから選んでおきます（selected）。"},
    {.caption = u"送信されるテキスト", .tip = u"この項目を選んだときに送信される値（value）。"},
};

// The SELECT tags and one OPTION each on their own box, so one Insert writes a
// whole menu, the menu alone or a further option alone; the attribute boxes of
// each count only with the box of their element.
template <const MenuBoxes &boxes>
QString menuMarkup(const Tag &, const PaletteState &state)
{
    const auto ticked = [&state](int n) { return n > 0 && state.ticked(n); };
    QString written;
    if (ticked(boxes.menu)) {
        written += boxes.select;
        if (ticked(boxes.name))
            written += u" name=''";
        if (ticked(boxes.multiple))
            written += u" multiple";
        written += u'>';
    }
    if (ticked(boxes.option)) {
        written += u"<OPTION";
        if (ticked(boxes.preselected))
            written += u" selected";
        if (ticked(boxes.value))
            written += u" value=''";
        written += u"></OPTION>";
    }
    if (ticked(boxes.menu))
        written += u"</SELECT>";
    return written;
}

constexpr Option fieldSetOptions[] = {
    {u"タイトルを付ける", u"<LEGEND></LEGEND>"},
};

constexpr Tag tags[] = {
    {.label = u"フォーム作成",
     .checks = formOptions,
     .labels = {u"送信先", u"ＭＩＭＥタイプ", u"送信方法"},
     .combos = {destinations, encodings, methods},
     .markup = &piecesMarkup<formPieces>},
    {.label = u"１行入力",
     .checks = textInputOptions,
     .labels = {u"タイプ"},
     .combos = {textInputTypes},
     .open = u"<INPUT",
     .leads = {u" type='"},
     .close = u">",
     .markup = &choicesFirstMarkup},
    {.label = u"複数行入力",
     .checks = textAreaOptions,
     .labels = {u"改行方法"},
     .combos = {wrapModes},
     .markup = &textAreaMarkup},
    choiceInput(u"隠しフィールド", u"<INPUT type='hidden'", 2),
    choiceInput(u"ラジオボタン", u"<INPUT type='radio'", 3),
    choiceInput(u"チェックボックス", u"<INPUT type='checkbox'", 3),
    inputButton(u"送信ボタン", u"<INPUT type='submit'", buttonOptions),
    {.label = u"画像式送信ボタン",
     .checks = imageButtonOptions,
     .labels = {u"テキスト位置"},
     .combos = {imageButtonAlignments},
     .open = u"<INPUT type='image' src=''",
     .leads = {u" align='"},
     .close = u"'>"},
    {.label = u"↑テキスト回り込み解除", .open = clearWrapping},
    inputButton(u"リセットボタン", u"<INPUT type='reset'", buttonTextOnly),
    inputButton(u"ボタン（１）", u"<INPUT type='button'", buttonOptions),
    {.label = u"ボタン（２）",
     .checks = buttonElementOptions,
     .labels = {u"ボタンの種類"},
     .combos = {buttonKinds},
     .open = u"<BUTTON",
     .leads = {u" type='"},
     .close = u"></BUTTON>",
     .markup = &choicesFirstMarkup},
    {.label = u"プルダウンメニュー", .checks = pullDownOptions, .markup = &menuMarkup<pullDownBoxes>},
    {.label = u"リストボックス", .checks = listBoxOptions, .markup = &menuMarkup<listBoxBoxes>},
    {.label = u"項目グループ化", .checks = fieldSetOptions, .open = u"<FIELDSET>", .close = u"</FIELDSET>"},
};
static_assert(std::size(tags) == 15);

// What each tag writes and what it is for, in the order of the tags.
constexpr TagNotes notes[] = {
    {.elements = u"FORM", .explanation = u"入力フォームを作ります。入力欄やボタンはこの中に置きます。"},
    {.elements = u"INPUT", .explanation = u"１行の文字入力欄（またはパスワード欄）を作ります。"},
    {.elements = u"TEXTAREA", .explanation = u"複数行の文字入力欄を作ります。"},
    {.elements = u"INPUT", .explanation = u"画面に表示せずに送信する値を書きます。"},
    {.elements = u"INPUT", .explanation = u"いくつかの中から一つを選ぶボタンを作ります。"},
    {.elements = u"INPUT", .explanation = u"オン・オフを選ぶチェックボックスを作ります。"},
    {.elements = u"INPUT", .explanation = u"フォームの内容を送信するボタンを作ります。"},
    {.elements = u"INPUT", .explanation = u"画像をフォームの送信ボタンにします。"},
    {.elements = u"BR", .explanation = u"画像式送信ボタンの横へのテキストの回り込みを解除します。"},
    {.elements = u"INPUT", .explanation = u"フォームの入力内容を初めの状態に戻すボタンを作ります。"},
    {.elements = u"INPUT", .explanation = u"スクリプトなどで使う押しボタンを作ります。"},
    {.elements = u"BUTTON", .explanation = u"中に文字や画像を置けるボタンを作ります。"},
    {.elements = u"SELECT OPTION", .explanation = u"一つを選ぶプルダウンメニューを作ります。"},
    {.elements = u"SELECT OPTION", .explanation = u"項目を一覧から選ぶリストボックスを作ります。"},
    {.elements = u"FIELDSET LEGEND", .explanation = u"フォームの項目を枠で囲んでまとめます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> formTags()
{
    return tags;
}

std::span<const TagNotes> formNotes()
{
    return notes;
}
