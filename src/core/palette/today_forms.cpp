// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › フォーム: the form, every kind of input, buttons, lists and gauges.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

namespace {

constexpr Option formOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"入力を確かめない（novalidate）", u" novalidate"},
    {u"自動入力しない（autocomplete）", uR"( autocomplete="off")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice methods[] = {
    {u"送る（post）", u"post"},
    {u"URL に付けて送る（get）", u"get"},
    {u"ダイアログを閉じる（dialog）", u"dialog"},
};

constexpr Choice encodings[] = {
    {u"ふつう（urlencoded）", u"application/x-www-form-urlencoded"},
    {u"ファイルを送る（multipart）", u"multipart/form-data"},
    {u"テキスト（text/plain）", u"text/plain"},
};

constexpr Choice textTypes[] = {
    {u"文字（text）", u"text"},
    {u"検索語（search）", u"search"},
    {u"メールアドレス（email）", u"email"},
    {u"電話番号（tel）", u"tel"},
    {u"URL（url）", u"url"},
    {u"パスワード（password）", u"password"},
};

constexpr Option textOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"入力例（placeholder）", uR"( placeholder="")"},
    {u"必須（required）", u" required"},
    {u"自動入力の種類（autocomplete）", uR"( autocomplete="")"},
    {u"最大の文字数（maxlength）", uR"( maxlength="")"},
    {u"最小の文字数（minlength）", uR"( minlength="")"},
    {u"入力の形（pattern）", uR"( pattern="")"},
    {u"幅（size）", uR"( size="")"},
    {u"書き換え不可（readonly）", u" readonly"},
    {u"使用不可（disabled）", u" disabled"},
    {u"最初に選ぶ（autofocus）", u" autofocus"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option numberOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"最小値（min）", uR"( min="")"},
    {u"最大値（max）", uR"( max="")"},
    {u"刻み（step）", uR"( step="")"},
    {u"初めの値（value）", uR"( value="")"},
    {u"入力例（placeholder）", uR"( placeholder="")"},
    {u"必須（required）", u" required"},
    {u"書き換え不可（readonly）", u" readonly"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option rangeOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"最小値（min）", uR"( min="")"},
    {u"最大値（max）", uR"( max="")"},
    {u"刻み（step）", uR"( step="")"},
    {u"初めの値（value）", uR"( value="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Choice dateTypes[] = {
    {u"日付（date）", u"date"},
    {u"年月（month）", u"month"},
    {u"週（week）", u"week"},
    {u"時刻（time）", u"time"},
    {u"日付と時刻（datetime-local）", u"datetime-local"},
};

constexpr Option dateOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"最小（min）", uR"( min="")"},
    {u"最大（max）", uR"( max="")"},
    {u"刻み（step）", uR"( step="")"},
    {u"初めの値（value）", uR"( value="")"},
    {u"必須（required）", u" required"},
    {u"書き換え不可（readonly）", u" readonly"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option colorOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"初めの色（value）", uR"( value="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Choice checkTypes[] = {
    {u"チェックボックス（checkbox）", u"checkbox"},
    {u"ラジオボタン（radio）", u"radio"},
};

constexpr Option checkOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"送る値（value）", uR"( value="")"},
    {u"選んだ状態（checked）", u" checked"},
    {u"必須（required）", u" required"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option fileOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"ファイルの種類（accept）", uR"( accept="")"},
    {u"複数のファイル（multiple）", u" multiple"},
    {u"必須（required）", u" required"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Choice buttonInputTypes[] = {
    {u"送信（submit）", u"submit"},
    {u"リセット（reset）", u"reset"},
    {u"何もしない（button）", u"button"},
};

constexpr Option buttonInputOptions[] = {
    {u"表示する文字（value）", uR"( value="")"},
    {u"名前（name）", uR"( name="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option imageInputOptions[] = {
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
    {u"名前（name）", uR"( name="")"},
    {u"使用不可（disabled）", u" disabled"},
};

constexpr Option buttonOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"送る値（value）", uR"( value="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"最初に選ぶ（autofocus）", u" autofocus"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option selectOptions[] = {
    {u"複数選択（multiple）", u" multiple"},
    {u"表示する行数（size）", uR"( size="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"最初に選ぶ（autofocus）", u" autofocus"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option optionOptions[] = {
    {u"選んだ状態（selected）", u" selected"},
    {u"使用不可（disabled）", u" disabled"},
};

constexpr Option textareaOptions[] = {
    {u"行数（rows）", uR"( rows="")"},
    {u"幅（cols）", uR"( cols="")"},
    {u"入力例（placeholder）", uR"( placeholder="")"},
    {u"最大の文字数（maxlength）", uR"( maxlength="")"},
    {u"必須（required）", u" required"},
    {u"書き換え不可（readonly）", u" readonly"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Choice wraps[] = {
    {u"送るときは改行しない（soft）", u"soft"},
    {u"表示どおりに改行して送る（hard）", u"hard"},
};

constexpr Option progressOptions[] = {
    {u"進んだ量（value）", uR"( value="")"},
    {u"全体の量（max）", uR"( max="")"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option meterOptions[] = {
    {u"最小値（min）", uR"( min="")"},
    {u"最大値（max）", uR"( max="")"},
    {u"低い値の上限（low）", uR"( low="")"},
    {u"高い値の下限（high）", uR"( high="")"},
    {u"最もよい値（optimum）", uR"( optimum="")"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Option fieldsetOptions[] = {
    {u"名前（name）", uR"( name="")"},
    {u"使用不可（disabled）", u" disabled"},
    {u"ID（id）", uR"( id="")"},
};

constexpr Tag tags[] = {
    {.label = u"フォーム",
     .checks = formOptions,
     .labels = {u"送信方法（method）", u"データの形式（enctype）", u"結果を開く場所（target）"},
     .combos = {methods, encodings, targets},
     .open = uR"(<form action="")",
     .leads = {uR"( method=")", uR"( enctype=")", uR"( target=")"},
     .close = u">\r\n\r\n</form>",
     .markup = &chosenOnlyMarkup},
    {.label = u"入力欄の名前（label）", .open = uR"(<label for="">)", .close = u"</label>"},
    {.label = u"文字の入力欄",
     .checks = textOptions,
     .ticked = box(1),
     .labels = {u"種類（type）"},
     .combos = {textTypes},
     .open = u"<input",
     .leads = {uR"( type=")"},
     .close = u">",
     .markup = &chosenFirstMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"数値（number）", .checks = numberOptions, .ticked = box(1), .open = uR"(<input type="number")", .close = u">"},
    {.label = u"スライダー（range）", .checks = rangeOptions, .ticked = box(1), .open = uR"(<input type="range")", .close = u">"},
    {.label = u"日付と時刻",
     .checks = dateOptions,
     .ticked = box(1),
     .labels = {u"種類（type）"},
     .combos = {dateTypes},
     .open = u"<input",
     .leads = {uR"( type=")"},
     .close = u">",
     .markup = &chosenFirstMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"色（color）", .checks = colorOptions, .ticked = box(1), .open = uR"(<input type="color")", .close = u">"},
    {.label = u"チェックボックス・ラジオボタン",
     .checks = checkOptions,
     .ticked = box(1) | box(2),
     .labels = {u"種類（type）"},
     .combos = {checkTypes},
     .open = u"<input",
     .leads = {uR"( type=")"},
     .close = u">",
     .markup = &chosenFirstMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"ファイル（file）", .checks = fileOptions, .ticked = box(1), .open = uR"(<input type="file")", .close = u">"},
    {.label = u"送るだけの値（hidden）", .open = uR"(<input type="hidden" name="" value="">)"},
    {.label = u"ボタン（input）",
     .checks = buttonInputOptions,
     .ticked = box(1),
     .labels = {u"働き（type）"},
     .combos = {buttonInputTypes},
     .open = u"<input",
     .leads = {uR"( type=")"},
     .close = u">",
     .markup = &chosenFirstMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"画像のボタン（image）", .checks = imageInputOptions, .open = uR"(<input type="image" src="" alt="")", .close = u">"},
    {.label = u"ボタン（button）",
     .checks = buttonOptions,
     .labels = {u"働き（type）"},
     .combos = {buttonInputTypes},
     .open = u"<button",
     .leads = {uR"( type=")"},
     .close = u"></button>",
     .markup = &chosenFirstMarkup,
     .chosen = {0, -1, -1}},
    {.label = u"選択リスト（select）",
     .checks = selectOptions,
     .open = uR"(<select name="")",
     .close = u">\r\n<option value=\"\"></option>\r\n<option value=\"\"></option>\r\n</select>"},
    {.label = u"選択肢のまとまり（optgroup）", .open = u"<optgroup label=\"\">\r\n<option value=\"\"></option>\r\n</optgroup>"},
    {.label = u"選択肢（option）", .checks = optionOptions, .open = uR"(<option value="")", .close = u"></option>"},
    {.label = u"入力の候補（datalist）", .open = u"<input list=\"\" name=\"\">\r\n<datalist id=\"\">\r\n<option value=\"\">\r\n<option value=\"\">\r\n</datalist>"},
    {.label = u"複数行の入力欄（textarea）",
     .checks = textareaOptions,
     .labels = {u"改行の送り方（wrap）"},
     .combos = {wraps},
     .open = uR"(<textarea name="")",
     .leads = {uR"( wrap=")"},
     .close = u"></textarea>",
     .markup = &chosenOnlyMarkup},
    {.label = u"計算の結果（output）", .open = uR"(<output name="" for="">)", .close = u"</output>"},
    {.label = u"進み具合（progress）", .checks = progressOptions, .ticked = box(1) | box(2), .open = u"<progress", .close = u"></progress>"},
    {.label = u"範囲の中の値（meter）", .checks = meterOptions, .open = uR"(<meter value="")", .close = u"></meter>"},
    {.label = u"入力欄のまとまり（fieldset）", .checks = fieldsetOptions, .open = u"<fieldset", .close = u">\r\n<legend></legend>\r\n\r\n</fieldset>"},
};
static_assert(std::size(tags) == 22);

constexpr TagNotes notes[] = {
    {.elements = u"FORM", .explanation = u"入力フォームを書きます。action に送信先の URL を書きます。"},
    {.elements = u"LABEL", .explanation = u"入力欄の名前を書きます。for に入力欄の id を書くと、名前をクリックして入力欄を選べます。", .words = u"ラベル"},
    {.elements = u"INPUT", .explanation = u"1 行の入力欄を書きます（文字・検索語・メール・電話番号・URL・パスワード）。", .words = u"テキストボックス email tel url password search text"},
    {.elements = u"INPUT", .explanation = u"数値の入力欄を書きます。", .words = u"number 数字"},
    {.elements = u"INPUT", .explanation = u"つまみを動かして値を選ぶスライダーを書きます。", .words = u"range"},
    {.elements = u"INPUT", .explanation = u"日付・年月・週・時刻を選ぶ入力欄を書きます。", .words = u"date time カレンダー"},
    {.elements = u"INPUT", .explanation = u"色を選ぶ入力欄を書きます。", .words = u"color"},
    {.elements = u"INPUT", .explanation = u"チェックボックスかラジオボタンを書きます。", .words = u"checkbox radio"},
    {.elements = u"INPUT", .explanation = u"ファイルを選んで送る入力欄を書きます。", .words = u"file アップロード"},
    {.elements = u"INPUT", .explanation = u"画面に出さずにフォームで送る値を書きます。", .words = u"hidden"},
    {.elements = u"INPUT", .explanation = u"送信・リセットなどのボタンを input で書きます。", .words = u"submit reset"},
    {.elements = u"INPUT", .explanation = u"画像をボタンにします（クリックすると送信）。"},
    {.elements = u"BUTTON", .explanation = u"ボタンを書きます（中に文字や画像を入れられます）。"},
    {.elements = u"SELECT OPTION", .explanation = u"選択リスト（ドロップダウン）を書きます。", .words = u"プルダウン ドロップダウン"},
    {.elements = u"OPTGROUP OPTION", .explanation = u"選択リストの項目をまとめ、label に見出しを書きます。"},
    {.elements = u"OPTION", .explanation = u"選択リストに項目を加えます。"},
    {.elements = u"INPUT DATALIST OPTION", .explanation = u"入力欄に候補の一覧を出します（list と id に同じ名前）。"},
    {.elements = u"TEXTAREA", .explanation = u"複数行の入力欄を書きます。"},
    {.elements = u"OUTPUT", .explanation = u"計算などの結果を表示します。"},
    {.elements = u"PROGRESS", .explanation = u"処理の進み具合（プログレスバー）を表示します。"},
    {.elements = u"METER", .explanation = u"範囲の中の値（ディスクの使用量・評価など）を表示します。"},
    {.elements = u"FIELDSET LEGEND", .explanation = u"入力欄をまとめて枠で囲み、legend に表題を書きます。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayFormTags()
{
    return tags;
}

std::span<const TagNotes> todayFormNotes()
{
    return notes;
}
