// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettetesting.h"

using namespace Qt::StringLiterals;

class TestCategoryScript : public QObject {
    Q_OBJECT

private slots:
    void markup_data();
    void markup() { compareMarkup(kind); }
    void setUp_data();
    void setUp() { compareSetUp(kind); }

private:
    static constexpr int kind = 10;
};

// Written out line by line so that a missing or trailing line end shows.
static const QString lastModifiedAsGiven = u"<Script Language='JavaScript'>\r\n"
                                           u"<!--\r\n"
                                           u"document.write(document.lastModified);\r\n"
                                           u"//-->\r\n"
                                           u"</Script>"_s;

static const QString lastModifiedAsDate = u"<Script Language='JavaScript'>\r\n"
                                          u"<!--\r\n"
                                          u"myDate = new Date(document.lastModified);\r\n"
                                          u"y = myDate.getFullYear();\r\n"
                                          u"m = myDate.getMonth()+1;\r\n"
                                          u"d = myDate.getDate();\r\n"
                                          u"document.write(y,'年',m,'月',d,'日');\r\n"
                                          u"//-->\r\n"
                                          u"</Script>"_s;

static const QString nowInLocalFormat = u"<Script Language='JavaScript'>\r\n"
                                        u"<!--\r\n"
                                        u"date = new Date();\r\n"
                                        u"document.write(date.toLocaleString());\r\n"
                                        u"//-->\r\n"
                                        u"</Script>"_s;

static const QString nowPieceByPiece = u"<Script Language='JavaScript'>\r\n"
                                       u"<!--\r\n"
                                       u"weeks = new Array('日','月','火','水','木','金','土');\r\n"
                                       u"date = new Date();\r\n"
                                       u"y = date.getFullYear();\r\n"
                                       u"m = date.getMonth()+1;\r\n"
                                       u"d = date.getDate();\r\n"
                                       u"dy = weeks[date.getDay()];\r\n"
                                       u"h = date.getHours();\r\n"
                                       u"mi = date.getMinutes();\r\n"
                                       u"s = date.getSeconds();\r\n"
                                       u"document.write(y,'年');\r\n"
                                       u"document.write(m,'月');\r\n"
                                       u"document.write(d,'日');\r\n"
                                       u"document.write(dy,'曜日');\r\n"
                                       u"document.write(h,'時');\r\n"
                                       u"document.write(mi,'分');\r\n"
                                       u"document.write(s,'秒です');\r\n"
                                       u"//-->\r\n"
                                       u"</Script>"_s;

void TestCategoryScript::markup_data()
{
    addMarkupColumns();
    QTest::addRow("last modified, as the browser gives it, five lines")
        << 0 << Ticked{1} << Chosen{} << lastModifiedAsGiven;
    QTest::addRow("last modified, as year, month and day") << 0 << Ticked{2} << Chosen{} << lastModifiedAsDate;
    QTest::addRow("last modified, both boxes: the second script alone")
        << 0 << Ticked{1, 2} << Chosen{} << lastModifiedAsDate;
    QTest::addRow("last modified, no box: empty snippet") << 0 << Ticked{} << Chosen{} << QString();
    QTest::addRow("now, local format, six lines") << 1 << Ticked{1} << Chosen{} << nowInLocalFormat;
    QTest::addRow("now, piece by piece, twenty lines") << 1 << Ticked{2} << Chosen{} << nowPieceByPiece;
    QTest::addRow("now, both boxes: the second script alone") << 1 << Ticked{2, 1} << Chosen{} << nowPieceByPiece;
    QTest::addRow("now, no box: empty snippet") << 1 << Ticked{} << Chosen{} << QString();
    QTest::addRow("link that does nothing, eighteen characters")
        << 2 << Ticked{} << Chosen{} << u"JavaScript:void(0)"_s;
}

void TestCategoryScript::setUp_data()
{
    addSetUpColumns();
    QTest::addRow("last modified") << 0 << u"最終更新日"_s << QStringList{u"m/d/y h:m:s"_s, u"年月日"_s} << Ticked{}
                                   << QStringList{} << QList<QStringList>{};
    QTest::addRow("now") << 1 << u"現在日時"_s << QStringList{u"年月日 h:m:s"_s, u"年月日曜日時分秒"_s} << Ticked{}
                         << QStringList{} << QList<QStringList>{};
    QTest::addRow("link that does nothing, hint label alone")
        << 2 << u"リンク無効化"_s << QStringList{} << Ticked{} << QStringList{u"<a>の属性に指定"_s}
        << QList<QStringList>{};
}

QTEST_APPLESS_MAIN(TestCategoryScript)
#include "tst_category_script.moc"
