// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(openSettings()->fileName());
    }

    void fileLivesInTheTestFolderNotTheUsersConfig()
    {
        const QString file = openSettings()->fileName();
        QVERIFY2(file.contains(u".qttest"), qPrintable(file));
        QVERIFY(file.endsWith(u"/tagpot/tagpot.conf"));
    }

    void unsetKeyGivesTheDefaultAndAStoredValueSurvivesReopening()
    {
        const Setting<int> size{"test/size", 10};
        QCOMPARE(size.value(), 10);
        size.setValue(14);
        QCOMPARE(Setting<int>({"test/size", 10}).value(), 14);
        size.reset();
        QCOMPARE(size.value(), 10);
    }

    void valueOfTheWrongKindFallsBackToTheDefault()
    {
        openSettings()->setValue(u"test/flag"_qs, u"not a list"_qs);
        const Setting<QStringList> list{"test/flag", {u"a"_qs}};
        QCOMPARE(list.value(), QStringList{u"not a list"_qs}); // a string converts to a one-item list
        const Setting<QSize> size{"test/flag", QSize(3, 4)};
        QCOMPARE(size.value(), QSize(3, 4));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
