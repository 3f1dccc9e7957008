// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/caretcolumn.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCaretColumn : public QObject
{
    Q_OBJECT
private slots:
    void column_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("column");

        QTest::addRow("start of the line") << u""_s << 1;
        QTest::addRow("ASCII") << u"<TD>"_s << 5;
        QTest::addRow("kanji and kana count one each") << u"日本語テキスト"_s << 8;
        QTest::addRow("a character outside the BMP counts once") << u"𠮷野家"_s << 4;
        QTest::addRow("a letter with a combining mark counts once") << u"e\u0301a"_s << 3;
        QTest::addRow("a kanji with a variation selector counts once") << u"葛\U000E0100城"_s << 3;
    }

    void column()
    {
        QFETCH(QString, before);
        QFETCH(int, column);
        QCOMPARE(caretColumn(before), column);
    }
};

QTEST_APPLESS_MAIN(TestCaretColumn)
#include "tst_caretcolumn.moc"
