// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryTable : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 7;
};

void TestCategoryTable::markup_data()
{
    addMarkupColumns();
    QTest::addRow("table, border and width, box frame, all rules")
        << 0 << Ticked{1, 3} << Chosen{-1, 7, 4} << u"<TABLE border='' width='' frame='box' rules='all'></TABLE>"_s;
    QTest::addRow("table, nothing ticked or chosen") << 0 << Ticked{} << Chosen{} << u"<TABLE frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, alignment box with no alignment chosen")
        << 0 << Ticked{3, 2, 1} << Chosen{} << u"<TABLE border='' align='' width='' frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, text on the right")
        << 0 << Ticked{2} << Chosen{0} << u"<TABLE align='left' frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, centred") << 0 << Ticked{2} << Chosen{1} << u"<TABLE align='center' frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, text on the left")
        << 0 << Ticked{2} << Chosen{2} << u"<TABLE align='right' frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, alignment chosen without its box")
        << 0 << Ticked{} << Chosen{1} << u"<TABLE frame='' rules=''></TABLE>"_s;
    QTest::addRow("table, all ten boxes and every combo")
        << 0 << Ticked{10, 9, 8, 7, 6, 5, 4, 3, 2, 1} << Chosen{1, 8, 0}
        << u"<TABLE border='' align='center' width='' height='' cellspacing='' cellpadding='' bordercolor=''"
           u" bordercolorlight='' bordercolordark='' bgcolor='' background='' frame='border' rules='none'></TABLE>"_s;
    QTest::addRow("table, no outer frame, group rules")
        << 0 << Ticked{} << Chosen{-1, 0, 1} << u"<TABLE frame='void' rules='groups'></TABLE>"_s;
    QTest::addRow("table, left and right sides, column rules")
        << 0 << Ticked{} << Chosen{-1, 6, 3} << u"<TABLE frame='vsides' rules='cols'></TABLE>"_s;
    QTest::addRow("end of text wrapping") << 1 << Ticked{} << Chosen{} << u"<BR clear='all'>"_s;

    QTest::addRow("row, centred, top, background colour")
        << 2 << Ticked{1} << Chosen{1, 0} << u"<TR align='center' valign='top' bgcolor=''></TR>"_s;
    QTest::addRow("row, nothing ticked or chosen") << 2 << Ticked{} << Chosen{} << u"<TR align='' valign=''></TR>"_s;
    QTest::addRow("row, both boxes, right, baseline")
        << 2 << Ticked{2, 1} << Chosen{2, 3} << u"<TR align='right' valign='baseline' bgcolor='' background=''></TR>"_s;

    QTest::addRow("data cell, nowrap and colspan, right, middle")
        << 3 << Ticked{5, 7} << Chosen{2, 1} << u"<TD nowrap colspan='' align='right' valign='middle'></TD>"_s;
    QTest::addRow("data cell, nothing ticked or chosen") << 3 << Ticked{} << Chosen{} << u"<TD align='' valign=''></TD>"_s;
    QTest::addRow("data cell, rowspan and colspan")
        << 3 << Ticked{7, 6} << Chosen{} << u"<TD rowspan='' colspan='' align='' valign=''></TD>"_s;
    QTest::addRow("data cell, all seven boxes, left, bottom")
        << 3 << Ticked{1, 2, 3, 4, 5, 6, 7} << Chosen{0, 2}
        << u"<TD width='' height='' bgcolor='' background='' nowrap rowspan='' colspan='' align='left' valign='bottom'></TD>"_s;
    QTest::addRow("header cell, nothing ticked or chosen")
        << 4 << Ticked{} << Chosen{} << u"<TH align='' valign=''></TH>"_s;
    QTest::addRow("header cell, nowrap and rowspan, centred, baseline")
        << 4 << Ticked{6, 5} << Chosen{1, 3} << u"<TH nowrap rowspan='' align='center' valign='baseline'></TH>"_s;

    QTest::addRow("caption at the bottom") << 5 << Ticked{1} << Chosen{1} << u"<CAPTION align='bottom'></CAPTION>"_s;
    QTest::addRow("caption at the top") << 5 << Ticked{1} << Chosen{0} << u"<CAPTION align='top'></CAPTION>"_s;
    QTest::addRow("caption, position box with no position chosen")
        << 5 << Ticked{1} << Chosen{} << u"<CAPTION align=''></CAPTION>"_s;
    QTest::addRow("caption, position chosen without its box")
        << 5 << Ticked{} << Chosen{1} << u"<CAPTION></CAPTION>"_s;

    QTest::addRow("row group, header and body: body wins") << 6 << Ticked{1, 3} << Chosen{} << u"<TBODY></TBODY>"_s;
    QTest::addRow("row group, footer alone") << 6 << Ticked{2} << Chosen{} << u"<TFOOT></TFOOT>"_s;
    QTest::addRow("row group, header alone") << 6 << Ticked{1} << Chosen{} << u"<THEAD></THEAD>"_s;
    QTest::addRow("row group, header and footer: footer wins") << 6 << Ticked{2, 1} << Chosen{} << u"<TFOOT></TFOOT>"_s;
    QTest::addRow("row group, all three: body alone") << 6 << Ticked{1, 2, 3} << Chosen{} << u"<TBODY></TBODY>"_s;
    QTest::addRow("row group, no box: empty snippet") << 6 << Ticked{} << Chosen{} << QString();

    QTest::addRow("column group as set up") << 7 << Ticked{1} << Chosen{} << u"<COLGROUP span=''></COLGROUP>"_s;
    QTest::addRow("column group, span unticked") << 7 << Ticked{} << Chosen{} << u"<COLGROUP></COLGROUP>"_s;
    QTest::addRow("column group, span and width")
        << 7 << Ticked{2, 1} << Chosen{} << u"<COLGROUP span='' width=''></COLGROUP>"_s;
    QTest::addRow("column, span and width") << 8 << Ticked{1, 2} << Chosen{} << u"<COL span='' width=''></COL>"_s;
    QTest::addRow("column as set up") << 8 << Ticked{1} << Chosen{} << u"<COL span=''></COL>"_s;
    QTest::addRow("column, span unticked") << 8 << Ticked{} << Chosen{} << u"<COL></COL>"_s;
}

void TestCategoryTable::setUp_data()
{
    addSetUpColumns();
    const QStringList none;
    const QList<QStringList> noCombos;
    const QStringList horizontal{u"左寄せ"_s, u"センタリング"_s, u"右寄せ"_s};
    const QStringList vertical{u"上揃え"_s, u"中央"_s, u"下揃え"_s, u"１行目ベースライン揃え"_s};
    const QStringList cellLabels{u"セル内テキスト位置"_s, u"セル内テキスト位置"_s};
    QTest::addRow("table")
        << 0 << u"テーブル作成"_s
        << QStringList{u"枠線表示（幅指定）"_s, u"テキストに対する位置指定"_s, u"幅指定"_s, u"高さ指定"_s,
                       u"セルの間隔"_s, u"セル内の余白"_s, u"枠線色指定"_s, u"枠線色指定（左+上、右+下）"_s,
                       u"背景に色を付ける"_s, u"背景に画像を付ける"_s}
        << Ticked{} << QStringList{u"テキストに対する位置"_s, u"外枠の表示方法"_s, u"内側罫線の表示方法"_s}
        << QList<QStringList>{QStringList{u"右にテキスト"_s, u"センタリング"_s, u"左にテキスト"_s},
                 QStringList{u"外枠なし"_s, u"上のみ"_s, u"下のみ"_s, u"上下のみ"_s, u"左のみ"_s, u"右のみ"_s,
                             u"左右のみ"_s, u"外枠すべて"_s, u"四辺の縁取り"_s},
                 QStringList{u"罫線なし"_s, u"グループの境界のみ"_s, u"行の境界のみ"_s, u"列の境界のみ"_s,
                             u"すべての境界"_s}};
    QTest::addRow("end of text wrapping, nothing shown")
        << 1 << u"テキスト回り込み解除"_s << none << Ticked{} << none << noCombos;
    QTest::addRow("row, ideographic space in the label")
        << 2 << u"行\u3000作成"_s << QStringList{u"背景に色を付ける"_s, u"背景に画像を付ける"_s} << Ticked{}
        << cellLabels << QList<QStringList>{horizontal, vertical};
    const QStringList firstCellBoxes{u"幅指定"_s, u"高さ指定"_s, u"背景に色を付ける"_s, u"背景に画像を付ける"_s,
                                     u"改行禁止"_s};
    QTest::addRow("data cell") << 3 << u"セル\u3000作成"_s
                               << firstCellBoxes + QStringList{u"縦方向に連結"_s, u"横方向に連結"_s} << Ticked{}
                               << cellLabels << QList<QStringList>{horizontal, vertical};
    QTest::addRow("header cell")
        << 4 << u"テーブル見出し\u3000作成"_s
        << firstCellBoxes + QStringList{u"縦方向に連結（セル数）"_s, u"横方向に連結（セル数）"_s} << Ticked{}
        << cellLabels << QList<QStringList>{horizontal, vertical};
    QTest::addRow("caption") << 5 << u"キャプション"_s << QStringList{u"位置指定"_s} << Ticked{}
                             << QStringList{u"位置"_s} << QList<QStringList>{QStringList{u"上"_s, u"下"_s}};
    QTest::addRow("row group") << 6 << u"行をグループ化"_s
                               << QStringList{u"ヘッダ（最上部）"_s, u"フッタ（最下部）"_s, u"本体（真中）"_s}
                               << Ticked{} << none << noCombos;
    const QStringList columnBoxes{u"グループ化列数指定"_s, u"列幅"_s};
    QTest::addRow("column group, span ticked")
        << 7 << u"列をグループ化"_s << columnBoxes << Ticked{1} << none << noCombos;
    QTest::addRow("column, span ticked")
        << 8 << u"列にまとめて属性指定"_s << columnBoxes << Ticked{1} << none << noCombos;
}

QTEST_APPLESS_MAIN(TestCategoryTable)
#include "tst_category_table.moc"
