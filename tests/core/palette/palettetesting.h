// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the category tests need to state a palette state and to read back the
// set-up of a tag as the palette would show it.

#include "core/palette/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

using Ticked = QList<int>; // box numbers, 1 for Check1
using Chosen = QList<int>; // list indexes of zokusei1, 2, 3 in turn; -1 for none

// ticked: box numbers (1 for Check1); chosen: list indexes of zokusei1, 2, 3 in turn.
inline PaletteState stateOf(const QList<int> &ticked, const QList<int> &chosen = {})
{
    PaletteState state;
    for (const int box : ticked)
        state.checks.at(box - 1) = true;
    for (qsizetype i = 0; i < chosen.size(); ++i)
        state.combos.at(i) = chosen[i];
    return state;
}

inline const Tag &tagAt(int kind, int tagu)
{
    return catalogue()[kind].tags[tagu];
}

template <typename List>
List withoutTrailingEmpty(List list)
{
    while (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}

// Captions of Check1, Check2, … up to the last shown box; a hidden box in between reads "".
inline QStringList boxCaptions(const Tag &tag)
{
    QStringList captions;
    for (const Option &option : tag.checks)
        captions << option.caption.toString();
    return withoutTrailingEmpty(captions);
}

inline QList<int> preTicked(const Tag &tag)
{
    QList<int> boxes;
    for (int n = 1; n <= 12; ++n) {
        if (tag.ticked & box(n))
            boxes << n;
    }
    return boxes;
}

inline QStringList labelCaptions(const Tag &tag)
{
    QStringList captions;
    for (const QStringView label : tag.labels)
        captions << label.toString();
    return withoutTrailingEmpty(captions);
}

inline QList<QStringList> comboItems(const Tag &tag)
{
    QList<QStringList> combos;
    for (const Choices choices : tag.combos) {
        QStringList items;
        for (const Choice &choice : choices)
            items << choice.item.toString();
        combos << items;
    }
    return withoutTrailingEmpty(combos);
}

// The columns and the check of a data-driven markup test of one category.
inline void addMarkupColumns()
{
    QTest::addColumn<int>("tagu");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QString>("expected");
}

inline void compareMarkup(int kind)
{
    QFETCH(int, tagu);
    QFETCH(QList<int>, ticked);
    QFETCH(QList<int>, chosen);
    QFETCH(QString, expected);
    const auto markup = paletteMarkup(kind, tagu, stateOf(ticked, chosen));
    QVERIFY(markup.has_value());
    QCOMPARE(*markup, expected);
}

// The columns and the check of a data-driven set-up test of one category.
inline void addSetUpColumns()
{
    QTest::addColumn<int>("tagu");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<QStringList>>("combos");
}

inline void compareSetUp(int kind)
{
    QFETCH(int, tagu);
    QFETCH(QString, label);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, labels);
    QFETCH(QList<QStringList>, combos);
    QVERIFY(tagu < int(catalogue()[kind].tags.size()));
    const Tag &tag = tagAt(kind, tagu);
    QCOMPARE(tag.label.toString(), label);
    QCOMPARE(boxCaptions(tag), boxes);
    QCOMPARE(preTicked(tag), ticked);
    QCOMPARE(labelCaptions(tag), labels);
    QCOMPARE(comboItems(tag), combos);
}
