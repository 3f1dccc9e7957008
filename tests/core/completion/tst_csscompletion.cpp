// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/completion/completion.h"
#include "core/completion/csscompletion.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PageKind)

// Rows are "text|caret", "|" marking the caret.
class TestCssCompletion : public QObject
{
    Q_OBJECT
private slots:
    void offers_data()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replaced");  // what taking an offer replaces
        QTest::addColumn<QStringList>("present"); // in this order among the offers
        QTest::addColumn<QStringList>("absent");

        QTest::addRow("a property after {, the common one first")
            << PageKind::Css << u"p { col|"_s << u"col"_s << QStringList{u"color"_s, u"column-count"_s}
            << QStringList{u"background"_s};
        QTest::addRow("a property after ;, the word after the caret replaced too")
            << PageKind::Css << u"p { margin: 0; pad|ing: 1px }"_s << u"pading"_s << QStringList{u"padding"_s}
            << QStringList{};
        QTest::addRow("colour names for a property that takes a colour")
            << PageKind::Css << u"p { color: re|"_s << u"re"_s << QStringList{u"rebeccapurple"_s, u"red"_s, u"revert"_s}
            << QStringList{u"color"_s};
        QTest::addRow("a property's own keywords and every property's, no colours")
            << PageKind::Css << u"p { display: |"_s << u""_s
            << QStringList{u"block"_s, u"flex"_s, u"none"_s, u"inherit"_s} << QStringList{u"red"_s, u"!important"_s};
        QTest::addRow("!important once the value has a word")
            << PageKind::Css << u"p { display: flex |"_s << u""_s << QStringList{u"!important"_s} << QStringList{};
        QTest::addRow("after ! only !important")
            << PageKind::Css << u"p { color: red !imp|"_s << u"!imp"_s << QStringList{u"!important"_s}
            << QStringList{u"red"_s};
        QTest::addRow("an at-rule after @")
            << PageKind::Css << u"@me|"_s << u"@me"_s << QStringList{u"@media"_s} << QStringList{u"@import"_s};
        QTest::addRow("a value over a line end, in a block over lines")
            << PageKind::Css << u"a {\n  background-color:\n    tr|"_s << u"tr"_s << QStringList{u"transparent"_s}
            << QStringList{};
        QTest::addRow("inside <style> of an HTML page")
            << PageKind::Html << u"<style>\np { margin: 0; pad|"_s << u"pad"_s << QStringList{u"padding"_s}
            << QStringList{};
        QTest::addRow("inside style=\"…\"")
            << PageKind::Html << u"<p style=\"font-weight: b|\">"_s << u"b"_s << QStringList{u"bold"_s, u"bolder"_s}
            << QStringList{};
        QTest::addRow("a property at the start of style=\"…\"")
            << PageKind::Html << u"<p style='te|"_s << u"te"_s << QStringList{u"text-align"_s} << QStringList{};
        QTest::addRow("not in another attribute's value")
            << PageKind::Html << u"<p class=\"col|\">"_s << u""_s << QStringList{} << QStringList{u"color"_s};
        QTest::addRow("not in the page's text") << PageKind::Html << u"<p>col|</p>"_s << u""_s << QStringList{}
                                               << QStringList{u"color"_s};
        QTest::addRow("not after </style>") << PageKind::Html << u"<style>p{}</style>\ncol|"_s << u""_s
                                           << QStringList{} << QStringList{u"color"_s};
        QTest::addRow("not in a comment") << PageKind::Css << u"p { /* col|"_s << u""_s << QStringList{}
                                         << QStringList{u"color"_s};
        QTest::addRow("not in a string") << PageKind::Css << u"a::before { content: \"col|"_s << u""_s
                                        << QStringList{} << QStringList{u"color"_s};
        QTest::addRow("not in a selector") << PageKind::Css << u"di|"_s << u""_s << QStringList{}
                                          << QStringList{u"display"_s};
    }

    void offers()
    {
        QFETCH(PageKind, kind);
        QFETCH(QString, text);
        QFETCH(QString, replaced);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);

        const qsizetype caret = text.indexOf(u'|');
        text.remove(caret, 1);
        const Completions answer = completionsAt({text, caret, kind, QString()});
        QStringList labels;
        for (const Completion &item : answer.items)
            labels << item.label;
        if (!present.isEmpty())
            QCOMPARE(text.mid(answer.from, answer.to - answer.from), replaced);
        qsizetype last = -1;
        for (const QString &label : present) {
            const qsizetype at = labels.indexOf(label);
            QVERIFY2(at > last, qPrintable(label + u" missing or out of order in "_s + labels.mid(0, 12).join(u' ')));
            last = at;
        }
        for (const QString &label : absent)
            QVERIFY2(!labels.contains(label), qPrintable(label + u" offered"_s));
        for (const Completion &item : answer.items)
            QVERIFY2(!item.explanation.isEmpty(), qPrintable(item.label));
    }

    // Taking a property writes its colon and opens the list on its values;
    // taking an at-rule keeps its "@".
    void whatTakingInserts()
    {
        const Completions property = cssCompletions({u"p { colo"_s, 8, PageKind::Css, QString()});
        QVERIFY(!property.items.isEmpty());
        QCOMPARE(property.items.first().insert, u"color: "_s);
        QCOMPARE(property.items.first().caret, 7);
        QVERIFY(property.items.first().reopen);
        QCOMPARE(property.items.first().explanation, u"文字色"_s);

        const Completions rule = cssCompletions({u"@fo"_s, 3, PageKind::Css, QString()});
        QVERIFY(!rule.items.isEmpty());
        QCOMPARE(rule.items.first().label, u"@font-face"_s);
        QCOMPARE(rule.items.first().insert, u"@font-face "_s);
        QCOMPARE(rule.from, 0);
    }
};

QTEST_APPLESS_MAIN(TestCssCompletion)
#include "tst_csscompletion.moc"
