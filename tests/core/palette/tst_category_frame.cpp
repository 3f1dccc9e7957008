// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryFrame : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 8;
};

void TestCategoryFrame::markup_data()
{
    addMarkupColumns();
    QTest::addRow("frame set, columns, border hidden")
        << 0 << Ticked{2} << Chosen{1} << u"<FRAMESET cols='' frameborder='0'></FRAMESET>"_s;
    QTest::addRow("frame set, nothing ticked or chosen")
        << 0 << Ticked{} << Chosen{} << u"<FRAMESET frameborder=''></FRAMESET>"_s;
    QTest::addRow("frame set, rows before columns, border shown")
        << 0 << Ticked{4, 3, 2, 1} << Chosen{0}
        << u"<FRAMESET rows='' cols='' border='' bordercolor='' frameborder='1'></FRAMESET>"_s;

    QTest::addRow("frame, noresize and name, border shown, automatic scrolling")
        << 1 << Ticked{1, 5} << Chosen{0, 0}
        << u"<FRAME src='' noresize name='' frameborder='1' scrolling='auto'></FRAME>"_s;
    QTest::addRow("frame, nothing ticked or chosen")
        << 1 << Ticked{} << Chosen{} << u"<FRAME src='' frameborder='' scrolling=''></FRAME>"_s;
    QTest::addRow("frame, margin width before height, scroll bars shown")
        << 1 << Ticked{4, 3} << Chosen{1, 1}
        << u"<FRAME src='' marginwidth='' marginheight='' frameborder='0' scrolling='yes'></FRAME>"_s;
    QTest::addRow("frame, scroll bars hidden, border colour")
        << 1 << Ticked{2} << Chosen{-1, 2} << u"<FRAME src='' bordercolor='' frameborder='' scrolling='no'></FRAME>"_s;

    QTest::addRow("content without frames") << 2 << Ticked{} << Chosen{} << u"<NOFRAMES></NOFRAMES>"_s;

    QTest::addRow("inline frame, width and height, no scrolling, border, text on the right")
        << 3 << Ticked{2, 3} << Chosen{2, 0, 0}
        << u"<IFRAME src='' width='' height='' scrolling='no' frameborder='1' align='left'></IFRAME>"_s;
    QTest::addRow("inline frame, nothing ticked or chosen")
        << 3 << Ticked{} << Chosen{} << u"<IFRAME src='' scrolling='' frameborder='' align=''></IFRAME>"_s;
    QTest::addRow("inline frame, all five boxes, text on the left")
        << 3 << Ticked{5, 4, 3, 2, 1} << Chosen{0, 1, 2}
        << u"<IFRAME src='' name='' width='' height='' marginwidth='' marginheight='' scrolling='auto' frameborder='0'"
           u" align='right'></IFRAME>"_s;
    QTest::addRow("inline frame, scroll bars shown, centred")
        << 3 << Ticked{} << Chosen{1, -1, 1}
        << u"<IFRAME src='' scrolling='yes' frameborder='' align='center'></IFRAME>"_s;
}

void TestCategoryFrame::setUp_data()
{
    addSetUpColumns();
    const QStringList borders{u"表示"_s, u"非表示"_s};
    const QStringList scrolling{u"自動"_s, u"表示"_s, u"非表示"_s};
    QTest::addRow("frame set") << 0 << u"フレーム作成"_s
                               << QStringList{u"横に分割"_s, u"縦に分割"_s, u"境界線の幅指定"_s, u"境界線の色指定"_s}
                               << Ticked{} << QStringList{u"境界線の有無"_s} << QList<QStringList>{borders};
    QTest::addRow("frame") << 1 << u"表示ファイル指定"_s
                           << QStringList{u"サイズ変更の禁止"_s, u"境界線の色指定"_s, u"左右の余白"_s, u"上下の余白"_s,
                                          u"フレーム名指定"_s}
                           << Ticked{} << QStringList{u"境界線の有無"_s, u"スクロールの有無"_s}
                           << QList<QStringList>{borders, scrolling};
    QTest::addRow("content without frames, nothing shown")
        << 2 << u"未対応時の表示"_s << QStringList{} << Ticked{} << QStringList{} << QList<QStringList>{};
    QTest::addRow("inline frame")
        << 3 << u"インラインフレーム"_s
        << QStringList{u"フレーム名指定"_s, u"幅指定"_s, u"高さ指定"_s, u"左右の余白"_s, u"上下の余白"_s} << Ticked{}
        << QStringList{u"スクロールの有無"_s, u"枠の有無"_s, u"テキストの回り込み"_s}
        << QList<QStringList>{scrolling, borders, QStringList{u"右にテキスト"_s, u"センタリング"_s, u"左にテキスト"_s}};
}

QTEST_APPLESS_MAIN(TestCategoryFrame)
#include "tst_category_frame.moc"
