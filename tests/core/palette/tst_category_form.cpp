// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryForm : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 6;
};

void TestCategoryForm::markup_data()
{
    addMarkupColumns();
    QTest::addRow("form, sent by URL as form data, post")
        << 0 << Ticked{1, 3} << Chosen{0, 2, 0}
        << u"<FORM action='送信先ＵＲＬ' enctype='multipart/form-data' method='post'></FORM>"_s;
    QTest::addRow("form, send box alone, nothing chosen")
        << 0 << Ticked{1} << Chosen{} << u"<FORM action='' method=''></FORM>"_s;
    QTest::addRow("form, nothing ticked") << 0 << Ticked{} << Chosen{} << u"<FORM></FORM>"_s;
    QTest::addRow("form, encoding box without the send box")
        << 0 << Ticked{3} << Chosen{1, 1, 1} << u"<FORM></FORM>"_s;
    QTest::addRow("form, both boxes, nothing chosen")
        << 0 << Ticked{3, 1} << Chosen{} << u"<FORM action='' enctype='' method=''></FORM>"_s;
    QTest::addRow("form, mail, get")
        << 0 << Ticked{1} << Chosen{1, -1, 1} << u"<FORM action='mailto:メールアドレス' method='get'></FORM>"_s;
    QTest::addRow("form, encoding chosen but its box unticked")
        << 0 << Ticked{1} << Chosen{-1, 0} << u"<FORM action='' method=''></FORM>"_s;
    QTest::addRow("form, plain text")
        << 0 << Ticked{1, 3} << Chosen{-1, 1} << u"<FORM action='' enctype='text/plain' method=''></FORM>"_s;
    QTest::addRow("form, url-encoded")
        << 0 << Ticked{1, 3} << Chosen{-1, 0}
        << u"<FORM action='' enctype='application/x-www-form-urlencoded' method=''></FORM>"_s;

    QTest::addRow("one-line input, password, name and maximum length")
        << 1 << Ticked{4, 1} << Chosen{1} << u"<INPUT type='password' name='' maxlength=''>"_s;
    QTest::addRow("one-line input, nothing chosen or ticked") << 1 << Ticked{} << Chosen{} << u"<INPUT type=''>"_s;
    QTest::addRow("one-line input, text, all four boxes in order")
        << 1 << Ticked{4, 3, 2, 1} << Chosen{0} << u"<INPUT type='text' name='' size='' value='' maxlength=''>"_s;

    QTest::addRow("text area, name, hard wrap")
        << 2 << Ticked{1} << Chosen{1} << u"<TEXTAREA name='' wrap='hard'></TEXTAREA>"_s;
    QTest::addRow("text area, nothing ticked or chosen")
        << 2 << Ticked{} << Chosen{} << u"<TEXTAREA wrap=''></TEXTAREA>"_s;
    QTest::addRow("text area, all three boxes, soft wrap")
        << 2 << Ticked{3, 2, 1} << Chosen{0} << u"<TEXTAREA name='' cols='' rows='' wrap='soft'></TEXTAREA>"_s;
    QTest::addRow("text area, no wrap") << 2 << Ticked{} << Chosen{2} << u"<TEXTAREA wrap='off'></TEXTAREA>"_s;

    QTest::addRow("hidden field as set up") << 3 << Ticked{2} << Chosen{} << u"<INPUT type='hidden' value=''>"_s;
    QTest::addRow("hidden field with name")
        << 3 << Ticked{1, 2} << Chosen{} << u"<INPUT type='hidden' name='' value=''>"_s;
    QTest::addRow("radio button, all three boxes")
        << 4 << Ticked{3, 2, 1} << Chosen{} << u"<INPUT type='radio' name='' value='' checked>"_s;
    QTest::addRow("radio button as set up") << 4 << Ticked{2} << Chosen{} << u"<INPUT type='radio' value=''>"_s;
    QTest::addRow("check box, value box unticked") << 5 << Ticked{} << Chosen{} << u"<INPUT type='checkbox'>"_s;
    QTest::addRow("check box, checked alone") << 5 << Ticked{3} << Chosen{} << u"<INPUT type='checkbox' checked>"_s;

    QTest::addRow("submit button as set up") << 6 << Ticked{2} << Chosen{} << u"<INPUT type='submit' value=''>"_s;
    QTest::addRow("submit button, name alone") << 6 << Ticked{1} << Chosen{} << u"<INPUT type='submit' name=''>"_s;
    QTest::addRow("image button, alt, text on the right")
        << 7 << Ticked{1} << Chosen{3} << u"<INPUT type='image' src='' alt='' align='left'>"_s;
    QTest::addRow("image button, nothing ticked or chosen")
        << 7 << Ticked{} << Chosen{} << u"<INPUT type='image' src='' align=''>"_s;
    QTest::addRow("image button, text on the left")
        << 7 << Ticked{} << Chosen{4} << u"<INPUT type='image' src='' align='right'>"_s;
    QTest::addRow("image button, both boxes, top")
        << 7 << Ticked{2, 1} << Chosen{0} << u"<INPUT type='image' src='' alt='' name='' align='top'>"_s;
    QTest::addRow("image button, bottom")
        << 7 << Ticked{} << Chosen{2} << u"<INPUT type='image' src='' align='bottom'>"_s;
    QTest::addRow("end of text wrapping") << 8 << Ticked{} << Chosen{} << u"<BR clear='all'>"_s;
    QTest::addRow("reset button as set up") << 9 << Ticked{1} << Chosen{} << u"<INPUT type='reset' value=''>"_s;
    QTest::addRow("reset button, text box unticked") << 9 << Ticked{} << Chosen{} << u"<INPUT type='reset'>"_s;
    QTest::addRow("push button as set up") << 10 << Ticked{2} << Chosen{} << u"<INPUT type='button' value=''>"_s;
    QTest::addRow("push button, both boxes")
        << 10 << Ticked{2, 1} << Chosen{} << u"<INPUT type='button' name='' value=''>"_s;

    QTest::addRow("button element, submit with name")
        << 11 << Ticked{1} << Chosen{1} << u"<BUTTON type='submit' name=''></BUTTON>"_s;
    QTest::addRow("button element, nothing chosen or ticked")
        << 11 << Ticked{} << Chosen{} << u"<BUTTON type=''></BUTTON>"_s;
    QTest::addRow("button element, push button, name and value")
        << 11 << Ticked{2, 1} << Chosen{0} << u"<BUTTON type='button' name='' value=''></BUTTON>"_s;
    QTest::addRow("button element, reset with value")
        << 11 << Ticked{2} << Chosen{2} << u"<BUTTON type='reset' value=''></BUTTON>"_s;

    QTest::addRow("pull-down menu, named, one option")
        << 12 << Ticked{1, 2, 4} << Chosen{} << u"<SELECT name=''><OPTION></OPTION></SELECT>"_s;
    QTest::addRow("pull-down menu, every box")
        << 12 << Ticked{1, 2, 4, 5, 6} << Chosen{} << u"<SELECT name=''><OPTION selected value=''></OPTION></SELECT>"_s;
    QTest::addRow("pull-down menu, option alone") << 12 << Ticked{4} << Chosen{} << u"<OPTION></OPTION>"_s;
    QTest::addRow("pull-down menu, menu alone") << 12 << Ticked{1} << Chosen{} << u"<SELECT></SELECT>"_s;
    QTest::addRow("pull-down menu, no box: empty snippet") << 12 << Ticked{} << Chosen{} << QString();
    QTest::addRow("pull-down menu, attribute boxes without their elements")
        << 12 << Ticked{2, 5, 6} << Chosen{} << QString();
    QTest::addRow("list box, all six boxes")
        << 13 << Ticked{1, 2, 3, 5, 6, 7} << Chosen{}
        << u"<SELECT size='' name='' multiple><OPTION selected value=''></OPTION></SELECT>"_s;
    QTest::addRow("list box, option alone") << 13 << Ticked{5} << Chosen{} << u"<OPTION></OPTION>"_s;
    QTest::addRow("list box, menu alone") << 13 << Ticked{1} << Chosen{} << u"<SELECT size=''></SELECT>"_s;
    QTest::addRow("list box, multiple without the menu box") << 13 << Ticked{3} << Chosen{} << QString();
    QTest::addRow("list box, multiple") << 13 << Ticked{1, 3} << Chosen{} << u"<SELECT size='' multiple></SELECT>"_s;
    QTest::addRow("list box, option value") << 13 << Ticked{5, 7} << Chosen{} << u"<OPTION value=''></OPTION>"_s;
    QTest::addRow("list box, no box: empty snippet") << 13 << Ticked{} << Chosen{} << QString();

    QTest::addRow("field group with title")
        << 14 << Ticked{1} << Chosen{} << u"<FIELDSET><LEGEND></LEGEND></FIELDSET>"_s;
    QTest::addRow("field group") << 14 << Ticked{} << Chosen{} << u"<FIELDSET></FIELDSET>"_s;
}

void TestCategoryForm::setUp_data()
{
    addSetUpColumns();
    const QStringList none;
    const QList<QStringList> noCombos;
    QTest::addRow("form element")
        << 0 << u"フォーム作成"_s << QStringList{u"ファームを送信する"_s, QString(), u"データ送信時のMIMEタイプ指定"_s}
        << Ticked{} << QStringList{u"送信先"_s, u"ＭＩＭＥタイプ"_s, u"送信方法"_s}
        << QList<QStringList>{QStringList{u"ＣＧＩなどのＵＲＬ"_s, u"メール"_s},
                 QStringList{u"エンコード（変換）"_s, u"プレーンテキスト"_s, u"フォームデータ"_s},
                 QStringList{u"標準(ﾌｫｰﾑ)･ﾒｰﾙ"_s, u"URL+ﾌｫｰﾑ"_s}};
    QTest::addRow("one-line input")
        << 1 << u"１行入力"_s
        << QStringList{u"名前"_s, u"文字数（幅）"_s, u"デフォルト表示文字列"_s, u"最大文字数"_s} << Ticked{}
        << QStringList{u"タイプ"_s} << QList<QStringList>{QStringList{u"テキスト"_s, u"パスワード"_s}};
    QTest::addRow("text area") << 2 << u"複数行入力"_s
                               << QStringList{u"名前"_s, u"半角文字数（幅）"_s, u"行数"_s} << Ticked{}
                               << QStringList{u"改行方法"_s}
                               << QList<QStringList>{QStringList{u"画面上のみ改行"_s, u"改行"_s, u"改行なし"_s}};
    QTest::addRow("hidden field") << 3 << u"隠しフィールド"_s << QStringList{u"名前"_s, u"送信されるテキスト"_s}
                                  << Ticked{2} << none << noCombos;
    const QStringList choiceBoxes{u"名前"_s, u"送信されるテキスト"_s, u"あらかじめ選択"_s};
    QTest::addRow("radio button") << 4 << u"ラジオボタン"_s << choiceBoxes << Ticked{2} << none << noCombos;
    QTest::addRow("check box") << 5 << u"チェックボックス"_s << choiceBoxes << Ticked{2} << none << noCombos;
    const QStringList buttonBoxes{u"名前"_s, u"表示文字列"_s};
    QTest::addRow("submit button") << 6 << u"送信ボタン"_s << buttonBoxes << Ticked{2} << none << noCombos;
    QTest::addRow("image button")
        << 7 << u"画像式送信ボタン"_s << QStringList{u"画像代わりテキスト"_s, u"名前"_s} << Ticked{}
        << QStringList{u"テキスト位置"_s}
        << QList<QStringList>{QStringList{u"上揃え"_s, u"中央"_s, u"下揃え"_s, u"右にテキスト"_s, u"左にテキスト"_s}};
    QTest::addRow("end of text wrapping, nothing shown")
        << 8 << u"↑テキスト回り込み解除"_s << none << Ticked{} << none << noCombos;
    QTest::addRow("reset button")
        << 9 << u"リセットボタン"_s << QStringList{u"表示文字列"_s} << Ticked{1} << none << noCombos;
    QTest::addRow("push button") << 10 << u"ボタン（１）"_s << buttonBoxes << Ticked{2} << none << noCombos;
    QTest::addRow("button element")
        << 11 << u"ボタン（２）"_s << QStringList{u"名前"_s, u"送信されるテキスト"_s} << Ticked{}
        << QStringList{u"ボタンの種類"_s}
        << QList<QStringList>{QStringList{u"ノーマルボタン"_s, u"送信ボタン"_s, u"リセットボタン"_s}};
    QTest::addRow("pull-down menu")
        << 12 << u"プルダウンメニュー"_s
        << QStringList{u"メニュー作成"_s, u"名前"_s, QString(), u"メニュー項目作成"_s, u"あらかじめ選択"_s,
                       u"送信されるテキスト"_s}
        << Ticked{} << none << noCombos;
    QTest::addRow("list box")
        << 13 << u"リストボックス"_s
        << QStringList{u"リストボックス作成"_s, u"名前"_s, u"複数選択可能"_s, QString(), u"メニュー項目作成"_s,
                       u"あらかじめ選択"_s, u"送信されるテキスト"_s}
        << Ticked{} << none << noCombos;
    QTest::addRow("field group") << 14 << u"項目グループ化"_s << QStringList{u"タイトルを付ける"_s} << Ticked{}
                                 << none << noCombos;
}

QTEST_APPLESS_MAIN(TestCategoryForm)
#include "tst_category_form.moc"
