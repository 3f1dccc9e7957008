// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/cssnotes.h"

namespace {

struct Note {
    QStringView name;
    QStringView note;
};

constexpr Note propertyNotes[] = {
    {u"align-items", u"フレックス・グリッドの項目を交差軸方向にそろえる"},
    {u"animation", u"アニメーション（@keyframes）の名前・時間・繰り返しをまとめて指定"},
    {u"background", u"背景の色・画像・位置・繰り返しをまとめて指定"},
    {u"background-color", u"背景色"},
    {u"background-image", u"背景画像（url() やグラデーション）"},
    {u"background-position", u"背景画像の位置"},
    {u"background-repeat", u"背景画像の繰り返し方"},
    {u"background-size", u"背景画像の大きさ（cover, contain など）"},
    {u"border", u"枠線の太さ・種類・色をまとめて指定"},
    {u"border-bottom", u"下の枠線"},
    {u"border-collapse", u"表のセルの枠線を重ねるか離すか"},
    {u"border-color", u"枠線の色"},
    {u"border-left", u"左の枠線"},
    {u"border-radius", u"角の丸み"},
    {u"border-right", u"右の枠線"},
    {u"border-style", u"枠線の種類（実線・点線など）"},
    {u"border-top", u"上の枠線"},
    {u"border-width", u"枠線の太さ"},
    {u"bottom", u"配置した要素の下端の位置"},
    {u"box-shadow", u"要素の影"},
    {u"box-sizing", u"幅と高さに枠線と余白を含めるか"},
    {u"clear", u"回り込み（float）を解除する"},
    {u"color", u"文字色"},
    {u"content", u"::before / ::after で差し込む内容"},
    {u"cursor", u"マウスポインターの形"},
    {u"display", u"表示の仕方（block, inline, flex, grid, none など）"},
    {u"flex", u"フレックス項目の伸び縮みをまとめて指定"},
    {u"flex-direction", u"フレックス項目を並べる向き"},
    {u"flex-wrap", u"フレックス項目を折り返すか"},
    {u"float", u"左右に回り込ませる"},
    {u"font", u"フォントの大きさ・太さ・書体などをまとめて指定"},
    {u"font-family", u"書体（フォント名、serif, sans-serif など）"},
    {u"font-size", u"文字の大きさ"},
    {u"font-style", u"斜体にするか"},
    {u"font-weight", u"文字の太さ"},
    {u"gap", u"フレックス・グリッドの項目どうしの間隔"},
    {u"grid-template-columns", u"グリッドの列の幅"},
    {u"grid-template-rows", u"グリッドの行の高さ"},
    {u"height", u"高さ"},
    {u"justify-content", u"フレックス・グリッドの項目を主軸方向にそろえる"},
    {u"left", u"配置した要素の左端の位置"},
    {u"letter-spacing", u"文字の間隔"},
    {u"line-height", u"行の高さ"},
    {u"list-style", u"箇条書きの記号の種類と位置"},
    {u"list-style-type", u"箇条書きの記号の種類"},
    {u"margin", u"外側の余白（上・右・下・左）"},
    {u"margin-bottom", u"下の外側の余白"},
    {u"margin-left", u"左の外側の余白"},
    {u"margin-right", u"右の外側の余白"},
    {u"margin-top", u"上の外側の余白"},
    {u"max-width", u"幅の上限"},
    {u"min-height", u"高さの下限"},
    {u"min-width", u"幅の下限"},
    {u"object-fit", u"画像を枠にどう収めるか"},
    {u"opacity", u"不透明度（0 で透明、1 で不透明）"},
    {u"outline", u"枠線の外側の輪郭線"},
    {u"overflow", u"はみ出した内容の扱い（隠す・スクロールなど）"},
    {u"padding", u"内側の余白（上・右・下・左）"},
    {u"padding-bottom", u"下の内側の余白"},
    {u"padding-left", u"左の内側の余白"},
    {u"padding-right", u"右の内側の余白"},
    {u"padding-top", u"上の内側の余白"},
    {u"position", u"配置の仕方（relative, absolute, fixed, sticky）"},
    {u"right", u"配置した要素の右端の位置"},
    {u"text-align", u"行の中の文字のそろえ方（左・中央・右）"},
    {u"text-decoration", u"下線・取り消し線などの飾り"},
    {u"text-indent", u"段落の先頭の字下げ"},
    {u"text-shadow", u"文字の影"},
    {u"text-transform", u"英字の大文字・小文字の変換"},
    {u"top", u"配置した要素の上端の位置"},
    {u"transform", u"回転・拡大・移動などの変形"},
    {u"transition", u"値が変わるときの変化の時間と緩急"},
    {u"vertical-align", u"行の中や表のセルでの縦のそろえ方"},
    {u"visibility", u"見せるか隠すか（場所は残る）"},
    {u"white-space", u"空白と改行の扱い"},
    {u"width", u"幅"},
    {u"word-break", u"単語の途中で改行するか"},
    {u"writing-mode", u"縦書きか横書きか"},
    {u"z-index", u"重なりの順（大きいほど手前）"},
};

constexpr Note atRuleNotes[] = {
    {u"charset", u"スタイルシートの文字コード（先頭に書く）"},
    {u"container", u"コンテナーの大きさに応じて適用するルール"},
    {u"counter-style", u"箇条書きの記号を自分で定義する"},
    {u"font-face", u"Web フォントを読み込んで名前を付ける"},
    {u"import", u"別のスタイルシートを読み込む"},
    {u"keyframes", u"アニメーションの途中の状態を定義する"},
    {u"layer", u"カスケードレイヤー（ルールの優先順位の層）"},
    {u"media", u"画面の幅や印刷など、条件に応じて適用するルール"},
    {u"namespace", u"XML 名前空間を宣言する"},
    {u"page", u"印刷するページの余白や大きさ"},
    {u"property", u"カスタムプロパティの型と初期値を定義する"},
    {u"scope", u"ルールが効く範囲を要素の中に限る"},
    {u"supports", u"ブラウザーが対応している機能に応じて適用するルール"},
};

QString find(const Note *begin, const Note *end, QStringView name)
{
    for (const Note *note = begin; note != end; ++note) {
        if (note->name.compare(name, Qt::CaseInsensitive) == 0)
            return note->note.toString();
    }
    return QString();
}

} // namespace

QString cssPropertyNote(QStringView name)
{
    return find(std::begin(propertyNotes), std::end(propertyNotes), name);
}

QString cssAtRuleNote(QStringView name)
{
    return find(std::begin(atRuleNotes), std::end(atRuleNotes), name);
}
