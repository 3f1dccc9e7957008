// SPDX-License-Identifier: GPL-3.0-or-later
// The 今の HTML catalogue through the real window: chosen in 設定 (the
// designed one on a first start), every tag inserted as the catalogue writes
// it, its explanations in the tooltips, and the tag dock searching it.
#include "controls.h"
#include "app/mainwindow.h"
#include "core/palette/catalogue.h"
#include "core/palette/todaymarkup.h"
#include "core/settings/settingkeys.h"
#include "editor/sourceeditor.h"
#include "palette/palettepanel.h"
#include "testsettings.h"
#include "window/settingsdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTodayPalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void aFirstStartOffersTheDesignedCatalogue();
    void settingsChooseTodaysHtmlAndItIsRemembered();
    void everyTagInsertsWhatTheCatalogueWrites_data();
    void everyTagInsertsWhatTheCatalogueWrites();
    void theTagDockSearchesTheChosenCatalogue();

private:
    ComboBox *combo(const QString &name) { return control<ComboBox>(m_window, name); }
    QStringList kinds()
    {
        QStringList items;
        for (int i = 0; i < combo(u"kind"_s)->count(); ++i)
            items << combo(u"kind"_s)->itemText(i);
        return items;
    }
    static QStringList namesOf(CatalogueChoice which)
    {
        QStringList names;
        for (const Category &category : catalogue(which))
            names << category.name.toString();
        return names;
    }
    // Chooses in 設定 › 挿入 › タグの一覧, as the user does.
    void chooseInSettings(const QString &item);

    MainWindow *m_window = nullptr;
};

void TestTodayPalette::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestTodayPalette::cleanup()
{
    delete m_window;
    m_window = nullptr;
    // The shown tag dock and the catalogue are remembered: the next test program starts fresh.
    useFreshSettings();
}

void TestTodayPalette::chooseInSettings(const QString &item)
{
    auto *dialog = m_window->settingsDialog();
    QMetaObject::invokeMethod(
        m_window,
        [dialog, item] {
            auto *choice = dialog->findChild<QComboBox *>(u"cboCatalogue"_s);
            if (!choice) {
                QTest::qFail("no cboCatalogue", __FILE__, __LINE__);
                dialog->reject();
                return;
            }
            choice->setCurrentIndex(choice->findText(item));
            dialog->findChild<QPushButton *>(u"settingsOK"_s)->click();
        },
        Qt::QueuedConnection);
    control<QAction>(m_window, u"preferences"_s)->trigger();
}

void TestTodayPalette::aFirstStartOffersTheDesignedCatalogue()
{
    QCOMPARE(kinds(), namesOf(CatalogueChoice::Designed));
    QCOMPARE(m_window->palette()->catalogueChoice(), CatalogueChoice::Designed);
    QCOMPARE(combo(u"kind"_s)->currentText(), u"タグ分類"_s);
    auto *choice = m_window->settingsDialog()->findChild<QComboBox *>(u"cboCatalogue"_s);
    QVERIFY(choice);
    QCOMPARE(choice->currentText(), u"設計どおり"_s);
}

void TestTodayPalette::settingsChooseTodaysHtmlAndItIsRemembered()
{
    pick(combo(u"kind"_s), 1);
    chooseInSettings(u"今の HTML"_s);
    QCOMPARE(kinds(), namesOf(CatalogueChoice::Today));
    QCOMPARE(Settings::catalogue.value(), u"today"_s);
    // What was chosen in the other catalogue is gone: nothing can be inserted.
    QCOMPARE(combo(u"kind"_s)->listIndex(), -1);
    QCOMPARE(combo(u"tagu"_s)->count(), 0);
    QVERIFY(!control<QPushButton>(m_window, u"sounyuu"_s)->isEnabled());

    delete m_window;
    m_window = new MainWindow;
    QCOMPARE(kinds(), namesOf(CatalogueChoice::Today));

    chooseInSettings(u"設計どおり"_s);
    QCOMPARE(kinds(), namesOf(CatalogueChoice::Designed));
    QCOMPARE(Settings::catalogue.value(), u"designed"_s);
}

void TestTodayPalette::everyTagInsertsWhatTheCatalogueWrites_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tagu");
    const auto categories = catalogue(CatalogueChoice::Today);
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            QTest::addRow("%s / %s", qPrintable(categories[kind].name.toString()),
                          qPrintable(categories[kind].tags[tagu].label.toString()))
                << kind << tagu;
        }
    }
}

void TestTodayPalette::everyTagInsertsWhatTheCatalogueWrites()
{
    QFETCH(int, kind);
    QFETCH(int, tagu);
    m_window->palette()->setCatalogue(CatalogueChoice::Today);
    pick(combo(u"kind"_s), kind);
    pick(combo(u"tagu"_s), tagu);
    const Tag &tag = catalogue(CatalogueChoice::Today)[kind].tags[tagu];

    QVERIFY(!combo(u"tagu"_s)->itemData(tagu, Qt::ToolTipRole).toString().isEmpty());
    PaletteState setUp;
    for (int n = 1; n <= int(tag.checks.size()); ++n) {
        auto *box = control<QCheckBox>(m_window, u"Check%1"_s.arg(n));
        QCOMPARE(box->isChecked(), bool(tag.ticked & ::box(n)));
        QVERIFY(!box->toolTip().isEmpty());
        setUp.checks[n - 1] = box->isChecked();
    }
    for (int n = 1; n <= 3; ++n) {
        if (tag.combos[n - 1].empty())
            continue;
        // The set-up's choice shows (a heading comes with its level).
        QCOMPARE(combo(u"zokusei%1"_s.arg(n))->listIndex(), tag.chosen[n - 1]);
        QVERIFY(!combo(u"zokusei%1"_s.arg(n))->toolTip().isEmpty());
        setUp.combos[n - 1] = tag.chosen[n - 1];
    }

    m_window->source()->setPlainText({});
    QTest::mouseClick(control<QPushButton>(m_window, u"sounyuu"_s), Qt::LeftButton);
    // A new page is UTF-8: that is the encoding the skeleton names.
    QString expected = withCharset(*paletteMarkup(CatalogueChoice::Today, kind, tagu, setUp), u"UTF-8");
    expected.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(m_window->source()->toPlainText(), expected);
}

void TestTodayPalette::theTagDockSearchesTheChosenCatalogue()
{
    control<QAction>(m_window, u"paletteTools"_s)->trigger();
    auto *search = control<QLineEdit>(m_window, u"tagSearch"_s);
    auto *results = control<QListWidget>(m_window, u"tagSearchResults"_s);
    search->insert(u"ruby"_s);
    QCOMPARE(results->count(), 0);

    // Changing the catalogue searches again for what the field holds.
    m_window->palette()->setCatalogue(CatalogueChoice::Today);
    QVERIFY(results->count() > 0);
    QVERIFY2(results->item(0)->text().startsWith(u"ルビ（ruby）"_s), qPrintable(results->item(0)->text()));
    QVERIFY(results->item(0)->toolTip().contains(u"ふりがな"_s));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(combo(u"tagu"_s)->currentText(), u"ルビ（ruby）"_s);
}

QTEST_MAIN(TestTodayPalette)
#include "tst_todaypalette.moc"
