// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/combobox.h"
#include "window/commondialog.h"
#include "app/mainwindow.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"
#include "table/cellextrasdialog.h"
#include "table/tableextrasdialog.h"
#include "table/tablewizard.h"
#include "table/tablewizarddialog.h"
#include "testsettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Test data spells the table with CR LF; the editor holds its lines with LF.
QString asEdited(QString markup)
{
    return markup.replace(u"\r\n"_s, u"\n"_s);
}

QString lines(const QStringList &list)
{
    return list.join(u"\r\n"_s);
}

std::unique_ptr<QDialog> makeDialog(const QString &name)
{
    if (name == u"frmTable1")
        return std::make_unique<TableWizardDialog>(nullptr);
    if (name == u"frmTable2")
        return std::make_unique<TableExtrasDialog>(nullptr);
    return std::make_unique<CellExtrasDialog>(nullptr);
}

// "chkTWidth=1" sets a control of frmTable1, "2:chkTFrame=1" one of frmTable2,
// "3:chkCNobr=1" one of frmTable3. Boxes are clicked as the user would ("1"
// ticks, "0" unticks), "#n" picks item n of a combo, anything else is typed.
struct Edit {
    int dialog = 1;
    QString control;
    QString value;
};

Edit parseEdit(const QString &spec)
{
    Edit edit;
    QString rest = spec;
    if (rest.size() > 2 && rest.at(1) == u':') {
        edit.dialog = rest.at(0).digitValue();
        rest = rest.mid(2);
    }
    const qsizetype equals = rest.indexOf(u'=');
    edit.control = rest.left(equals);
    edit.value = rest.mid(equals + 1);
    return edit;
}

bool applyEdit(QWidget *dialog, const Edit &edit)
{
    QWidget *control = dialog->findChild<QWidget *>(edit.control);
    if (!control) {
        QTest::qFail(qPrintable(u"no control "_s + edit.control), __FILE__, __LINE__);
        return false;
    }
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        if (box->isChecked() != (edit.value == u"1"))
            box->click();
    } else if (auto *combo = qobject_cast<ComboBox *>(control); combo && edit.value.startsWith(u'#')) {
        combo->setCurrentIndex(edit.value.mid(1).toInt());
    } else if (auto *text = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control)) {
        // Pasted over what the box holds, as the user would.
        text->selectAll();
        text->del();
        text->insert(edit.value);
    } else {
        QTest::qFail(qPrintable(u"cannot set "_s + edit.control), __FILE__, __LINE__);
        return false;
    }
    return true;
}

} // namespace

class TestTableWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void titles_data();
    void titles();
    void captions_data();
    void captions();
    void groups_data();
    void groups();
    void combos_data();
    void combos();
    void textBoxes_data();
    void textBoxes();
    void colorBoxRefusesSeventhCharacter_data();
    void colorBoxRefusesSeventhCharacter();
    void spin_data();
    void spin();

    void insertsTable_data();
    void insertsTable();
    void replacesSelection();
    void extrasSurviveClosing_data();
    void extrasSurviveClosing();
    void endingStartsNextWizardAfresh_data();
    void endingStartsNextWizardAfresh();
    void wizardCloseBoxKeepsExtras();
    void extrasCloseBoxDiscardsThem_data();
    void extrasCloseBoxDiscardsThem();
    void badCount_data();
    void badCount();
    void getColorKeepsWizardOpen();

private:
    // Runs steps on the named dialog once it shows modally. A dialog the steps
    // leave open fails the test and is closed, so no test ever hangs.
    void whenShown(const QString &name, std::function<void(QDialog *)> steps);
    // Runs the wizard with steps on frmTable1; returns when it has closed.
    void runWizard(std::function<void(QDialog *)> steps);
    // Applies edits to frmTable1 and, through their buttons, the extended dialogs.
    bool applyEdits(QDialog *wizard, const QStringList &edits);
    QDialog *dialog(const QString &name) const;
    // The document, with the caret at its end.
    void setDocument(const QString &text);
    bool click(QDialog *dialog, const QString &button);

    MainWindow *m_window = nullptr;
    SourceEditor *m_source = nullptr;
    CommonDialog *m_commonDialog = nullptr;
    DialogScript m_dialogs;
    TableWizard *m_wizard = nullptr;
    QStringList m_messages;
};

void TestTableWizard::init()
{
    useFreshSettings();
    m_window = new MainWindow;
    m_source = m_window->source();
    m_commonDialog = m_window->commonDialog();
    m_dialogs = {};
    m_commonDialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_wizard = m_window->findChild<TableWizard *>();
    QVERIFY(m_wizard);
    m_messages.clear();
    m_wizard->setMessageHook([this](QWidget *, const QString &message) { m_messages << message; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestTableWizard::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QDialog *TestTableWizard::dialog(const QString &name) const
{
    return m_window->findChild<QDialog *>(name, Qt::FindDirectChildrenOnly);
}

void TestTableWizard::setDocument(const QString &text)
{
    m_source->setPlainText(text);
    m_source->moveCursor(QTextCursor::End);
}

bool TestTableWizard::click(QDialog *dialog, const QString &button)
{
    auto *push = dialog ? dialog->findChild<QPushButton *>(button) : nullptr;
    if (!push) {
        QTest::qFail(qPrintable(u"no button "_s + button), __FILE__, __LINE__);
        return false;
    }
    push->click();
    return true;
}

void TestTableWizard::whenShown(const QString &name, std::function<void(QDialog *)> steps)
{
    QMetaObject::invokeMethod(
        m_window,
        [this, name, steps] {
            QDialog *shown = dialog(name);
            if (!shown || !shown->isVisible() || QApplication::activeModalWidget() != shown) {
                QTest::qFail(qPrintable(name + u" is not the modal dialog"_s), __FILE__, __LINE__);
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
                return;
            }
            steps(shown);
            QPointer<QDialog> guard(shown);
            if (guard && guard->isVisible()) {
                if (!QTest::currentTestFailed())
                    QTest::qFail(qPrintable(name + u" was left open"_s), __FILE__, __LINE__);
                guard->reject();
            }
        },
        Qt::QueuedConnection);
}

void TestTableWizard::runWizard(std::function<void(QDialog *)> steps)
{
    whenShown(u"frmTable1"_s, std::move(steps));
    m_window->findChild<QAction *>(u"TableWizard"_s)->trigger();
}

bool TestTableWizard::applyEdits(QDialog *wizard, const QStringList &edits)
{
    QList<Edit> extras[2];
    for (const QString &spec : edits) {
        const Edit edit = parseEdit(spec);
        if (edit.dialog == 1) {
            if (!applyEdit(wizard, edit))
                return false;
        } else {
            extras[edit.dialog - 2] << edit;
        }
    }
    const QString names[] = {u"frmTable2"_s, u"frmTable3"_s};
    const QString buttons[] = {u"cmdKakutyou"_s, u"Command1"_s};
    for (int i = 0; i < 2; ++i) {
        if (extras[i].isEmpty())
            continue;
        whenShown(names[i], [this, list = extras[i]](QDialog *extrasDialog) {
            for (const Edit &edit : list) {
                if (!applyEdit(extrasDialog, edit))
                    return;
            }
            click(extrasDialog, u"cmdClose"_s);
        });
        if (!click(wizard, buttons[i]))
            return false;
    }
    return !QTest::currentTestFailed();
}

void TestTableWizard::titles_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");

    QTest::addRow("the wizard") << u"frmTable1"_s << u"タグポット　テーブル作成ツール"_s;
    QTest::addRow("table extended settings") << u"frmTable2"_s << u"タグポット　テーブル作成ツール"_s;
    QTest::addRow("cell extended settings keep their design title") << u"frmTable3"_s << u"Form1"_s;
}

void TestTableWizard::titles()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);

    const auto made = makeDialog(dialog);
    QCOMPARE(made->objectName(), dialog);
    QCOMPARE(made->windowTitle(), title);
}

void TestTableWizard::captions_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");

    const QString one = u"frmTable1"_s;
    QTest::addRow("size frame for rows, no caption") << one << u"fmeRows"_s << QString();
    QTest::addRow("size frame for columns, no caption") << one << u"fmeCols"_s << QString();
    QTest::addRow("inner frame of the column count, no caption") << one << u"fmeCols2"_s << QString();
    QTest::addRow("rows label") << one << u"lblRows"_s << u"行："_s;
    QTest::addRow("columns label") << one << u"lblCols"_s << u"列："_s;
    QTest::addRow("table frame") << one << u"fmeTable"_s << u"テーブルの属性"_s;
    QTest::addRow("row frame") << one << u"fmeTR"_s << u"行の属性"_s;
    QTest::addRow("cell frame") << one << u"fmeCell"_s << u"セルの属性"_s;
    QTest::addRow("table width value label") << one << u"lblTWcaption"_s << u"設定値："_s;
    QTest::addRow("table height value label") << one << u"lblTHcaption"_s << u"設定値："_s;
    QTest::addRow("cell width value label") << one << u"Label1"_s << u"設定値："_s;
    QTest::addRow("cell height value label") << one << u"Label2"_s << u"設定値："_s;
    QTest::addRow("OK button") << one << u"cmdOK"_s << u"Ｏ Ｋ"_s;
    QTest::addRow("Cancel button") << one << u"cmdCancel"_s << u"キャンセル"_s;
    QTest::addRow("colour button") << one << u"cmdGetColor"_s << u"色取得"_s;
    QTest::addRow("table extras button") << one << u"cmdKakutyou"_s << u"拡張設定"_s;
    QTest::addRow("cell extras button") << one << u"Command1"_s << u"拡張設定"_s;
    QTest::addRow("table extras close button") << u"frmTable2"_s << u"cmdClose"_s << u"閉じる"_s;
    QTest::addRow("cell extras close button") << u"frmTable3"_s << u"cmdClose"_s << u"閉じる"_s;
}

void TestTableWizard::captions()
{
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QString, caption);

    const auto made = makeDialog(dialog);
    QWidget *widget = made->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(frame->title(), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else
        QFAIL(qPrintable(control + u" is neither frame, label nor button"_s));
    if (control == u"cmdKakutyou")
        QCOMPARE(widget->parentWidget()->objectName(), u"fmeTable"_s);
    if (control == u"Command1")
        QCOMPARE(widget->parentWidget()->objectName(), u"fmeCell"_s);
}

void TestTableWizard::groups_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("values");

    const QString one = u"frmTable1"_s;
    const QString two = u"frmTable2"_s;
    QTest::addRow("table width") << one << u"fmeTWidht"_s << u"幅"_s << u"chkTWidth"_s
                                 << QStringList{u"txtTWidth"_s, u"comTWidth"_s};
    QTest::addRow("table height") << one << u"fmeTHeight"_s << u"高さ"_s << u"chkTHeight"_s
                                  << QStringList{u"txtTHeight"_s, u"comTHeight"_s};
    QTest::addRow("table alignment") << one << u"fmeTAlign"_s << u"テキストに対する位置"_s << u"chkTAlign"_s
                                     << QStringList{u"comTAlign"_s};
    QTest::addRow("table colour") << one << u"fmeTBgcolor"_s << u"背景色（16進RGB）"_s << u"chkTBgcolor"_s
                                  << QStringList{u"txtTBgcolor"_s};
    QTest::addRow("table image") << one << u"fmeTBackground"_s << u"背景画像"_s << u"chkTBackground"_s
                                 << QStringList{u"txtTBackground"_s};
    QTest::addRow("table border colour") << one << u"fmeTBorderColor"_s << u"境界線の色（16進RGB）"_s
                                         << u"chkTBorderColor"_s << QStringList{u"txtTBorderColor"_s};
    QTest::addRow("row alignment") << one << u"fmeRAlign"_s << u"テキスト位置（左右）"_s << u"chkRAlign"_s
                                   << QStringList{u"comRAlign"_s};
    QTest::addRow("row vertical alignment") << one << u"fmeRValign"_s << u"テキスト位置（上下）"_s
                                            << u"chkRValign"_s << QStringList{u"comRValign"_s};
    QTest::addRow("row image") << one << u"fmeRBackground"_s << u"背景画像"_s << u"chkRBackground"_s
                               << QStringList{u"txtRBackground"_s};
    QTest::addRow("row colour") << one << u"fmeRBgcolo"_s << u"背景色（16進RGB）"_s << u"chkRBgcolor"_s
                                << QStringList{u"txtRBgcolor"_s};
    QTest::addRow("cell width") << one << u"fmeCWidth"_s << u"幅"_s << u"chkCWidth"_s
                                << QStringList{u"txtCWidth"_s, u"comCWidth"_s};
    QTest::addRow("cell height") << one << u"fmeCHeight"_s << u"高さ"_s << u"chkCHeight"_s
                                 << QStringList{u"txtCHeight"_s, u"comCHeight"_s};
    QTest::addRow("cell alignment") << one << u"fmeCAlign"_s << u"テキスト位置（左右）"_s << u"chkCAlign"_s
                                    << QStringList{u"comCAlign"_s};
    QTest::addRow("cell vertical alignment") << one << u"fmeCValign"_s << u"テキスト位置（上下）"_s
                                             << u"chkCValign"_s << QStringList{u"comCValign"_s};
    QTest::addRow("cell colour") << one << u"fmeCBgcolor"_s << u"背景色（16進RGB）"_s << u"chkCBgcolor"_s
                                 << QStringList{u"txtCBgcolor"_s};
    QTest::addRow("outer frame") << two << u"fmeTFrame"_s << u"外枠の表示方法"_s << u"chkTFrame"_s
                                 << QStringList{u"comTFrame"_s};
    QTest::addRow("inner rules") << two << u"fmeTRules"_s << u"内側罫線の表示方法"_s << u"chkTRules"_s
                                 << QStringList{u"comTRules"_s};
    QTest::addRow("cell padding") << two << u"fmeTCellpadding"_s << u"セル内の余白"_s << u"chkTCellpadding"_s
                                  << QStringList{u"txtTCellpadding"_s};
    QTest::addRow("cell spacing") << two << u"fmeTCellspacing"_s << u"セルの間隔"_s << u"chkTCellspacing"_s
                                  << QStringList{u"txtTCellspacing"_s};
    QTest::addRow("border width") << two << u"fmeTBorder"_s << u"外枠の幅"_s << u"chkTBorder"_s
                                  << QStringList{u"txtTBorder"_s};
    QTest::addRow("cell image") << u"frmTable3"_s << u"fmeCBackground"_s << u"背景画像"_s << u"chkCBackground"_s
                                << QStringList{u"txtCBackground"_s};
    QTest::addRow("no wrapping, a box alone") << u"frmTable3"_s << u"fmeCNobr"_s << u"改行禁止"_s << u"chkCNobr"_s
                                              << QStringList{};
}

// The box enables its values; unticking disables them and keeps their contents.
void TestTableWizard::groups()
{
    QFETCH(QString, dialog);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QString, check);
    QFETCH(QStringList, values);

    const auto made = makeDialog(dialog);
    made->show();
    auto *group = made->findChild<QGroupBox *>(frame);
    QVERIFY2(group, qPrintable(frame));
    QCOMPARE(group->title(), caption);
    auto *box = group->findChild<QCheckBox *>(check);
    QVERIFY2(box, qPrintable(check));
    QCOMPARE(box->text(), u"指定する"_s);
    QVERIFY(!box->isChecked());

    QList<QWidget *> controls;
    for (const QString &name : values) {
        QWidget *control = group->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(!control->isEnabled(), qPrintable(name + u" enabled at start"_s));
        controls << control;
    }

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QVERIFY(box->isChecked());
    QStringList typed;
    for (QWidget *control : std::as_const(controls)) {
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName() + u" disabled when ticked"_s));
        if (auto *text = qobject_cast<QLineEdit *>(control)) {
            text->setFocus();
            text->selectAll();
            QTest::keyClicks(text, u"12"_s);
            typed << text->text();
        } else if (auto *combo = qobject_cast<ComboBox *>(control)) {
            combo->setCurrentIndex(1);
            typed << combo->currentText();
        }
    }

    box->click();
    QVERIFY(!box->isChecked());
    for (int i = 0; i < controls.size(); ++i) {
        QVERIFY2(!controls[i]->isEnabled(), qPrintable(controls[i]->objectName() + u" enabled when unticked"_s));
        if (auto *text = qobject_cast<QLineEdit *>(controls[i]))
            QCOMPARE(text->text(), typed[i]);
        else if (auto *combo = qobject_cast<ComboBox *>(controls[i]))
            QCOMPARE(combo->listIndex(), 1);
    }

    box->click();
    for (int i = 0; i < controls.size(); ++i) {
        QVERIFY(controls[i]->isEnabled());
        if (auto *text = qobject_cast<QLineEdit *>(controls[i]))
            QCOMPARE(text->text(), typed[i]);
    }
}

void TestTableWizard::combos_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("items");

    const QString one = u"frmTable1"_s;
    const QStringList units{u"ピクセル"_s, u"パーセント"_s};
    const QStringList positions{u"左寄せ"_s, u"センタリング"_s, u"右寄せ"_s};
    const QStringList vertical{u"上揃え"_s, u"真中"_s, u"下揃え"_s, u"1行目ベースライン"_s};
    QTest::addRow("table width unit") << one << u"comTWidth"_s << u"単位"_s << units;
    QTest::addRow("table height unit") << one << u"comTHeight"_s << u"単位"_s << units;
    QTest::addRow("cell width unit") << one << u"comCWidth"_s << u"単位"_s << units;
    QTest::addRow("cell height unit") << one << u"comCHeight"_s << u"単位"_s << units;
    QTest::addRow("table alignment") << one << u"comTAlign"_s << u"位置"_s
                                     << QStringList{u"左"_s, u"センタリング"_s, u"右"_s};
    QTest::addRow("row alignment") << one << u"comRAlign"_s << u"位置"_s << positions;
    QTest::addRow("cell alignment") << one << u"comCAlign"_s << u"位置"_s << positions;
    QTest::addRow("row vertical alignment") << one << u"comRValign"_s << u"位置"_s << vertical;
    QTest::addRow("cell vertical alignment") << one << u"comCValign"_s << u"位置"_s << vertical;
    QTest::addRow("outer frame") << u"frmTable2"_s << u"comTFrame"_s << u"位置"_s
                                 << QStringList{u"外枠なし"_s, u"上のみ"_s, u"下のみ"_s, u"上下"_s, u"左のみ"_s,
                                                u"右のみ"_s, u"左右"_s, u"外枠全て"_s, u"縁取り"_s};
    QTest::addRow("inner rules") << u"frmTable2"_s << u"comTRules"_s << u"位置"_s
                                 << QStringList{u"罫線なし"_s, u"グループの境界"_s, u"行の境界"_s, u"列の境界"_s,
                                                u"全ての境界"_s};
}

void TestTableWizard::combos()
{
    QFETCH(QString, dialog);
    QFETCH(QString, combo);
    QFETCH(QString, prompt);
    QFETCH(QStringList, items);

    const auto made = makeDialog(dialog);
    auto *box = made->findChild<ComboBox *>(combo);
    QVERIFY2(box, qPrintable(combo));
    QVERIFY(box->isEditable());
    QCOMPARE(box->currentText(), prompt);
    QCOMPARE(box->listIndex(), -1);
    QStringList listed;
    for (int i = 0; i < box->count(); ++i)
        listed << box->itemText(i);
    QCOMPARE(listed, items);
}

void TestTableWizard::textBoxes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("colour");

    const QString one = u"frmTable1"_s;
    QTest::addRow("row count shows its spin value") << one << u"txtRows"_s << u"2"_s << false;
    QTest::addRow("column count shows its spin value") << one << u"txtCols"_s << u"2"_s << false;
    QTest::addRow("table width") << one << u"txtTWidth"_s << QString() << false;
    QTest::addRow("table height") << one << u"txtTHeight"_s << QString() << false;
    QTest::addRow("table colour") << one << u"txtTBgcolor"_s << QString() << true;
    QTest::addRow("table image") << one << u"txtTBackground"_s << QString() << false;
    QTest::addRow("table border colour") << one << u"txtTBorderColor"_s << QString() << true;
    QTest::addRow("row image") << one << u"txtRBackground"_s << QString() << false;
    QTest::addRow("row colour") << one << u"txtRBgcolor"_s << QString() << true;
    QTest::addRow("cell width") << one << u"txtCWidth"_s << QString() << false;
    QTest::addRow("cell height") << one << u"txtCHeight"_s << QString() << false;
    QTest::addRow("cell colour") << one << u"txtCBgcolor"_s << QString() << true;
    QTest::addRow("cell padding") << u"frmTable2"_s << u"txtTCellpadding"_s << QString() << false;
    QTest::addRow("cell spacing") << u"frmTable2"_s << u"txtTCellspacing"_s << QString() << false;
    QTest::addRow("border width holds 1") << u"frmTable2"_s << u"txtTBorder"_s << u"1"_s << false;
    QTest::addRow("cell image") << u"frmTable3"_s << u"txtCBackground"_s << QString() << false;
}

void TestTableWizard::textBoxes()
{
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, colour);

    const auto made = makeDialog(dialog);
    auto *edit = made->findChild<QLineEdit *>(box);
    QVERIFY2(edit, qPrintable(box));
    QCOMPARE(edit->text(), text);
    QVERIFY(!edit->isReadOnly());
    if (colour) {
        QCOMPARE(edit->maxLength(), 6);
    } else {
        const QString longText(300, u'9');
        edit->setEnabled(true);
        edit->setText(longText);
        QCOMPARE(edit->text(), longText);
    }
}

void TestTableWizard::colorBoxRefusesSeventhCharacter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("check");

    QTest::addRow("table colour") << u"txtTBgcolor"_s << u"chkTBgcolor"_s;
    QTest::addRow("table border colour") << u"txtTBorderColor"_s << u"chkTBorderColor"_s;
    QTest::addRow("row colour") << u"txtRBgcolor"_s << u"chkRBgcolor"_s;
    QTest::addRow("cell colour") << u"txtCBgcolor"_s << u"chkCBgcolor"_s;
}

void TestTableWizard::colorBoxRefusesSeventhCharacter()
{
    QFETCH(QString, box);
    QFETCH(QString, check);

    TableWizardDialog made(nullptr);
    made.show();
    made.findChild<QCheckBox *>(check)->click();
    auto *edit = made.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, u"FF0010A"_s);
    QCOMPARE(edit->text(), u"FF0010"_s);

    // A colour code pasted from the clipboard fits exactly.
    edit->clear();
    QGuiApplication::clipboard()->setText(u"00FF80"_s);
    edit->paste();
    QCOMPARE(edit->text(), u"00FF80"_s);
    edit->paste();
    QCOMPARE(edit->text(), u"00FF80"_s);
}

void TestTableWizard::spin_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    QTest::addRow("up once from the start") << u"txtRows"_s << QString() << QStringList{u"up"_s} << u"3"_s;
    QTest::addRow("columns up twice") << u"txtCols"_s << QString() << QStringList{u"up"_s, u"up"_s} << u"4"_s;
    QTest::addRow("down stops at one") << u"txtRows"_s << QString() << QStringList{u"down"_s, u"down"_s, u"down"_s}
                                       << u"1"_s;
    QTest::addRow("typed text stays as typed") << u"txtRows"_s << u"2.5"_s << QStringList{} << u"2.5"_s;
    QTest::addRow("typed letters stay as typed") << u"txtCols"_s << u"abc"_s << QStringList{} << u"abc"_s;
    QTest::addRow("a step starts from the typed number") << u"txtRows"_s << u"10"_s << QStringList{u"up"_s}
                                                         << u"11"_s;
    QTest::addRow("a step over typed letters uses the spin value") << u"txtCols"_s << u"abc"_s
                                                                   << QStringList{u"down"_s} << u"1"_s;
    QTest::addRow("a step over a number beyond the range stops at 999") << u"txtRows"_s << u"5000"_s
                                                                        << QStringList{u"up"_s} << u"999"_s;
    QTest::addRow("arrow keys in the box step too") << u"txtRows"_s << QString() << QStringList{u"Key_Up"_s}
                                                    << u"3"_s;
}

void TestTableWizard::spin()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    TableWizardDialog made(nullptr);
    made.show();
    auto *edit = made.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    QWidget *upDown = made.findChild<QWidget *>(box == u"txtRows" ? u"udRows"_s : u"udCols"_s);
    QVERIFY(upDown);
    QCOMPARE(upDown->property("value").toInt(), 2);
    if (!typed.isEmpty()) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
    }
    for (const QString &step : steps) {
        if (step == u"Key_Up") {
            QTest::keyClick(edit, Qt::Key_Up);
            continue;
        }
        auto *button = upDown->findChild<QToolButton *>(step);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(edit->text(), expected);
}

void TestTableWizard::insertsTable_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("expected");

    const QString plain2x2 = lines({u"<TABLE>"_s, u"<TR><TD></TD><TD></TD></TR>"_s, u"<TR><TD></TD><TD></TD></TR>"_s,
                                    u"</TABLE>"_s});
    QTest::addRow("worked example")
        << QStringList{u"2:chkTBorder=1"_s, u"chkTWidth=1"_s, u"txtTWidth=80"_s, u"comTWidth=#1"_s,
                       u"chkCAlign=1"_s, u"comCAlign=#1"_s}
        << lines({u"<TABLE width='80%' border='1'>"_s,
                  u"<TR><TD align='center'></TD><TD align='center'></TD></TR>"_s,
                  u"<TR><TD align='center'></TD><TD align='center'></TD></TR>"_s, u"</TABLE>"_s});
    QTest::addRow("OK at once: nothing from the extended settings") << QStringList{} << plain2x2;
    QTest::addRow("extended settings opened and closed untouched")
        << QStringList{u"2:txtTBorder=1"_s, u"3:txtCBackground="_s} << plain2x2;
    QTest::addRow("unticked values are not written")
        << QStringList{u"chkTWidth=1"_s, u"txtTWidth=50"_s, u"chkTWidth=0"_s} << plain2x2;
    QTest::addRow("no rows") << QStringList{u"txtRows=0"_s} << u"<TABLE>\r\n</TABLE>"_s;
    QTest::addRow("no columns, three rows")
        << QStringList{u"txtRows=3"_s, u"txtCols=0"_s}
        << lines({u"<TABLE>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"</TABLE>"_s});
    QTest::addRow("row colour on every row")
        << QStringList{u"chkRBgcolor=1"_s, u"txtRBgcolor=FF0000"_s, u"txtCols=1"_s}
        << lines({u"<TABLE>"_s, u"<TR bgcolor='#FF0000'><TD></TD></TR>"_s, u"<TR bgcolor='#FF0000'><TD></TD></TR>"_s,
                  u"</TABLE>"_s});
    const std::pair<QString, QString> heights[] = {{u"#1"_s, u"20%"_s}, {u"#0"_s, u"20"_s}, {QString(), u"20"_s},
                                                   {u"パーセント"_s, u"20"_s}};
    for (const auto &[unit, written] : heights) {
        QStringList edits{u"chkCHeight=1"_s, u"txtCHeight=20"_s, u"txtRows=1"_s, u"txtCols=1"_s};
        if (!unit.isEmpty())
            edits << u"comCHeight="_s + unit;
        QTest::addRow("cell height, unit %s", unit.isEmpty() ? "not chosen" : qPrintable(unit))
            << edits << lines({u"<TABLE>"_s, u"<TR><TD height='"_s + written + u"'></TD></TR>"_s, u"</TABLE>"_s});
    }
    QTest::addRow("frame hsides, rules all")
        << QStringList{u"txtRows=0"_s, u"2:chkTFrame=1"_s, u"2:comTFrame=#3"_s, u"2:chkTRules=1"_s,
                       u"2:comTRules=#4"_s}
        << u"<TABLE frame='hsides' rules='all'>\r\n</TABLE>"_s;
    QTest::addRow("cell image then nowrap, from the hidden cell settings")
        << QStringList{u"txtRows=1"_s, u"3:chkCNobr=1"_s, u"3:chkCBackground=1"_s, u"3:txtCBackground=bg.gif"_s}
        << lines({u"<TABLE>"_s, u"<TR><TD background='bg.gif' nowrap></TD><TD background='bg.gif' nowrap></TD></TR>"_s,
                  u"</TABLE>"_s});
    QTest::addRow("table extended settings in order")
        << QStringList{u"txtRows=0"_s, u"2:chkTBorder=1"_s, u"2:txtTBorder=3"_s, u"2:chkTCellpadding=1"_s,
                       u"2:txtTCellpadding=4"_s, u"2:chkTCellspacing=1"_s, u"2:txtTCellspacing=5"_s}
        << u"<TABLE cellspacing='5' cellpadding='4' border='3'>\r\n</TABLE>"_s;
    QTest::addRow("two and a half rows give two")
        << QStringList{u"txtRows=2.5"_s, u"txtCols=0"_s}
        << lines({u"<TABLE>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"</TABLE>"_s});
    QTest::addRow("three and a half rows give four")
        << QStringList{u"txtRows= 3.5 "_s, u"txtCols=0"_s}
        << lines({u"<TABLE>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"<TR></TR>"_s, u"</TABLE>"_s});
    QTest::addRow("an apostrophe is written unchanged")
        << QStringList{u"txtRows=0"_s, u"chkTBackground=1"_s, u"txtTBackground=a'b.gif"_s}
        << u"<TABLE background='a'b.gif'>\r\n</TABLE>"_s;
    QTest::addRow("a typed-over alignment is empty")
        << QStringList{u"txtRows=0"_s, u"chkTAlign=1"_s, u"comTAlign=#2"_s, u"comTAlign=right"_s}
        << u"<TABLE align=''>\r\n</TABLE>"_s;
    QTest::addRow("everything of the first dialog ticked")
        << QStringList{u"txtRows=1"_s, u"txtCols=1"_s,
                       u"chkTWidth=1"_s, u"txtTWidth=600"_s, u"comTWidth=#0"_s,
                       u"chkTHeight=1"_s, u"txtTHeight=50"_s, u"comTHeight=#1"_s,
                       u"chkTAlign=1"_s, u"comTAlign=#1"_s,
                       u"chkTBgcolor=1"_s, u"txtTBgcolor=FFFFFF"_s,
                       u"chkTBackground=1"_s, u"txtTBackground=t.gif"_s,
                       u"chkTBorderColor=1"_s, u"txtTBorderColor=000080"_s,
                       u"chkRAlign=1"_s, u"comRAlign=#2"_s,
                       u"chkRValign=1"_s, u"comRValign=#3"_s,
                       u"chkRBackground=1"_s, u"txtRBackground=r.gif"_s,
                       u"chkRBgcolor=1"_s, u"txtRBgcolor=FF0000"_s,
                       u"chkCWidth=1"_s, u"txtCWidth=10"_s, u"comCWidth=#1"_s,
                       u"chkCHeight=1"_s, u"txtCHeight=20"_s,
                       u"chkCAlign=1"_s, u"comCAlign=#0"_s,
                       u"chkCValign=1"_s, u"comCValign=#1"_s,
                       u"chkCBgcolor=1"_s, u"txtCBgcolor=00FF00"_s}
        << lines({u"<TABLE width='600' height='50%' background='t.gif' bgcolor='#FFFFFF' bordercolor='#000080' "
                  u"align='center'>"_s,
                  u"<TR bgcolor='#FF0000' background='r.gif' align='right' valign='baseline'>"
                  u"<TD width='10%' height='20' align='left' valign='middle' bgcolor='#00FF00'></TD></TR>"_s,
                  u"</TABLE>"_s});
}

void TestTableWizard::insertsTable()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, expected);

    runWizard([&](QDialog *wizard) {
        if (applyEdits(wizard, edits))
            click(wizard, u"cmdOK"_s);
    });
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_source->toPlainText(), asEdited(expected));
}

void TestTableWizard::replacesSelection()
{
    m_source->setPlainText(u"<BODY>\nold text\n</BODY>"_s);
    QTextCursor cursor = m_source->textCursor();
    cursor.setPosition(7);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    m_source->setTextCursor(cursor);
    QCOMPARE(cursor.selectedText(), u"old text"_s);

    runWizard([&](QDialog *wizard) {
        if (applyEdits(wizard, {u"txtRows=1"_s, u"txtCols=1"_s}))
            click(wizard, u"cmdOK"_s);
    });

    const QString table = u"<TABLE>\n<TR><TD></TD></TR>\n</TABLE>"_s;
    QCOMPARE(m_source->toPlainText(), u"<BODY>\n"_s + table + u"\n</BODY>"_s);
    QVERIFY(!m_source->textCursor().hasSelection());
    QCOMPARE(m_source->textCursor().position(), 7 + table.size());
    QVERIFY(!dialog(u"frmTable1"_s));
    QVERIFY(!dialog(u"frmTable2"_s));
    QVERIFY(!dialog(u"frmTable3"_s));
    // The focus waits in the editor for the main window to be active again.
    QCOMPARE(m_window->focusWidget(), m_source);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), m_source);

    m_source->undo();
    QCOMPARE(m_source->toPlainText(), u"<BODY>\nold text\n</BODY>"_s);
}

void TestTableWizard::extrasSurviveClosing_data()
{
    QTest::addColumn<QString>("extras");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("closeWith");

    QTest::addRow("table extras, closed with 閉じる") << u"frmTable2"_s << u"cmdKakutyou"_s << u"chkTCellpadding"_s
                                                    << u"txtTCellpadding"_s << u"comTRules"_s << u"cmdClose"_s;
    QTest::addRow("table extras, closed with Escape") << u"frmTable2"_s << u"cmdKakutyou"_s << u"chkTCellpadding"_s
                                                      << u"txtTCellpadding"_s << u"comTRules"_s << u"Escape"_s;
    QTest::addRow("cell extras, closed with 閉じる") << u"frmTable3"_s << u"Command1"_s << u"chkCBackground"_s
                                                   << u"txtCBackground"_s << QString() << u"cmdClose"_s;
}

// Settings made in an extended dialog come back when it is opened again.
void TestTableWizard::extrasSurviveClosing()
{
    QFETCH(QString, extras);
    QFETCH(QString, button);
    QFETCH(QString, check);
    QFETCH(QString, box);
    QFETCH(QString, combo);
    QFETCH(QString, closeWith);

    bool reopened = false;
    runWizard([&](QDialog *wizard) {
        whenShown(extras, [&](QDialog *shown) {
            shown->findChild<QCheckBox *>(check)->click();
            shown->findChild<QLineEdit *>(box)->setText(u"7"_s);
            if (!combo.isEmpty())
                shown->findChild<ComboBox *>(combo)->setCurrentIndex(3);
            if (closeWith == u"Escape")
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                click(shown, closeWith);
        });
        click(wizard, button);
        QVERIFY(dialog(extras));
        QVERIFY(!dialog(extras)->isVisible());

        whenShown(extras, [&](QDialog *shown) {
            reopened = true;
            QVERIFY(shown->findChild<QCheckBox *>(check)->isChecked());
            QCOMPARE(shown->findChild<QLineEdit *>(box)->text(), u"7"_s);
            QVERIFY(shown->findChild<QLineEdit *>(box)->isEnabled());
            if (!combo.isEmpty())
                QCOMPARE(shown->findChild<ComboBox *>(combo)->listIndex(), 3);
            click(shown, u"cmdClose"_s);
        });
        click(wizard, button);
        click(wizard, u"cmdCancel"_s);
    });
    QVERIFY(reopened);
}

void TestTableWizard::endingStartsNextWizardAfresh_data()
{
    QTest::addColumn<QString>("ending");

    QTest::addRow("ended by OK") << u"cmdOK"_s;
    QTest::addRow("ended by Cancel") << u"cmdCancel"_s;
    QTest::addRow("ended by Escape") << u"Escape"_s;
}

void TestTableWizard::endingStartsNextWizardAfresh()
{
    QFETCH(QString, ending);

    setDocument(u"keep"_s);
    runWizard([&](QDialog *wizard) {
        if (!applyEdits(wizard, {u"txtRows=1"_s, u"txtCols=1"_s, u"chkTWidth=1"_s, u"txtTWidth=90"_s,
                                 u"2:chkTBorder=1"_s, u"2:txtTBorder=5"_s, u"3:chkCNobr=1"_s}))
            return;
        if (ending == u"Escape")
            QTest::keyClick(wizard, Qt::Key_Escape);
        else
            click(wizard, ending);
    });
    QVERIFY(!dialog(u"frmTable1"_s));
    QVERIFY(!dialog(u"frmTable2"_s));
    QVERIFY(!dialog(u"frmTable3"_s));
    const QString written = ending == u"cmdOK"
                                ? u"keep<TABLE width='90' border='5'>\n<TR><TD nowrap></TD></TR>\n</TABLE>"_s
                                : u"keep"_s;
    QCOMPARE(m_source->toPlainText(), written);

    runWizard([&](QDialog *wizard) {
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtRows"_s)->text(), u"2"_s);
        QVERIFY(!wizard->findChild<QCheckBox *>(u"chkTWidth"_s)->isChecked());
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtTWidth"_s)->text(), QString());
        whenShown(u"frmTable2"_s, [&](QDialog *shown) {
            QVERIFY(!shown->findChild<QCheckBox *>(u"chkTBorder"_s)->isChecked());
            QCOMPARE(shown->findChild<QLineEdit *>(u"txtTBorder"_s)->text(), u"1"_s);
            click(shown, u"cmdClose"_s);
        });
        click(wizard, u"cmdKakutyou"_s);
        whenShown(u"frmTable3"_s, [&](QDialog *shown) {
            QVERIFY(!shown->findChild<QCheckBox *>(u"chkCNobr"_s)->isChecked());
            click(shown, u"cmdClose"_s);
        });
        click(wizard, u"Command1"_s);
        click(wizard, u"cmdCancel"_s);
    });
}

// The close box of the wizard unloads it alone: the extended settings come
// back in the next wizard, until that one ends by OK or Cancel.
void TestTableWizard::wizardCloseBoxKeepsExtras()
{
    runWizard([&](QDialog *wizard) {
        if (applyEdits(wizard, {u"chkTWidth=1"_s, u"txtTWidth=90"_s, u"2:chkTFrame=1"_s, u"2:comTFrame=#7"_s,
                                u"3:chkCNobr=1"_s}))
            wizard->close();
    });
    QVERIFY(!dialog(u"frmTable1"_s));
    QVERIFY(dialog(u"frmTable2"_s));
    QVERIFY(!dialog(u"frmTable2"_s)->isVisible());
    QVERIFY(dialog(u"frmTable3"_s));
    QCOMPARE(m_source->toPlainText(), QString());

    runWizard([&](QDialog *wizard) {
        QVERIFY(!wizard->findChild<QCheckBox *>(u"chkTWidth"_s)->isChecked());
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtTWidth"_s)->text(), QString());
        if (applyEdits(wizard, {u"txtRows=1"_s, u"txtCols=1"_s}))
            click(wizard, u"cmdOK"_s);
    });
    QCOMPARE(m_source->toPlainText(), u"<TABLE frame='box'>\n<TR><TD nowrap></TD></TR>\n</TABLE>"_s);
    QVERIFY(!dialog(u"frmTable2"_s));
    QVERIFY(!dialog(u"frmTable3"_s));
}

void TestTableWizard::extrasCloseBoxDiscardsThem_data()
{
    QTest::addColumn<QString>("extras");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("reopen");

    QTest::addRow("table extras, OK without reopening") << u"frmTable2"_s << u"cmdKakutyou"_s << u"chkTBorder"_s
                                                        << false;
    QTest::addRow("table extras reopen in their initial state") << u"frmTable2"_s << u"cmdKakutyou"_s
                                                                << u"chkTBorder"_s << true;
    QTest::addRow("cell extras, OK without reopening") << u"frmTable3"_s << u"Command1"_s << u"chkCNobr"_s << false;
    QTest::addRow("cell extras reopen in their initial state") << u"frmTable3"_s << u"Command1"_s << u"chkCNobr"_s
                                                               << true;
}

void TestTableWizard::extrasCloseBoxDiscardsThem()
{
    QFETCH(QString, extras);
    QFETCH(QString, button);
    QFETCH(QString, check);
    QFETCH(bool, reopen);

    runWizard([&](QDialog *wizard) {
        whenShown(extras, [&](QDialog *shown) {
            shown->findChild<QCheckBox *>(check)->click();
            shown->close();
        });
        click(wizard, button);
        QVERIFY(!dialog(extras));
        if (reopen) {
            whenShown(extras, [&](QDialog *shown) {
                QVERIFY(!shown->findChild<QCheckBox *>(check)->isChecked());
                click(shown, u"cmdClose"_s);
            });
            click(wizard, button);
        }
        if (applyEdits(wizard, {u"txtRows=1"_s, u"txtCols=1"_s}))
            click(wizard, u"cmdOK"_s);
    });
    QCOMPARE(m_source->toPlainText(), u"<TABLE>\n<TR><TD></TD></TR>\n</TABLE>"_s);
}

void TestTableWizard::badCount_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");

    QTest::addRow("empty rows") << QString() << u"2"_s << u"txtRows"_s << u"行数には数値を入力してください。"_s;
    QTest::addRow("letters in rows") << u"abc"_s << u"2"_s << u"txtRows"_s << u"行数には数値を入力してください。"_s;
    QTest::addRow("letters in columns") << u"2"_s << u"二"_s << u"txtCols"_s
                                        << u"列数には数値を入力してください。"_s;
    QTest::addRow("too many rows") << u"100001"_s << u"1"_s << u"txtRows"_s
                                   << u"行数が大きすぎます。表のセルの数（行数×列数）は 100,000 までです。"_s;
    QTest::addRow("too many cells, columns larger") << u"200"_s << u"600"_s << u"txtCols"_s
                                                    << u"列数が大きすぎます。表のセルの数（行数×列数）は 100,000 までです。"_s;
}

// A wrong count is reported; nothing is inserted, the wizard stays open with
// every setting, and the caret waits in the field.
void TestTableWizard::badCount()
{
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(QString, field);
    QFETCH(QString, message);

    setDocument(u"unchanged"_s);
    runWizard([&](QDialog *wizard) {
        if (!applyEdits(wizard, {u"txtRows="_s + rows, u"txtCols="_s + cols, u"chkTWidth=1"_s, u"txtTWidth=80"_s,
                                 u"2:chkTBorder=1"_s}))
            return;
        click(wizard, u"cmdOK"_s);
        QCOMPARE(m_messages, QStringList{message});
        QVERIFY(wizard->isVisible());
        QCOMPARE(m_source->toPlainText(), u"unchanged"_s);
        QCOMPARE(wizard->focusWidget(), wizard->findChild<QLineEdit *>(field));
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtRows"_s)->text(), rows);
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtCols"_s)->text(), cols);
        QVERIFY(wizard->findChild<QCheckBox *>(u"chkTWidth"_s)->isChecked());
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtTWidth"_s)->text(), u"80"_s);
        QVERIFY(dialog(u"frmTable2"_s)->findChild<QCheckBox *>(u"chkTBorder"_s)->isChecked());

        // Put right, the same wizard inserts.
        if (applyEdits(wizard, {u"txtRows=1"_s, u"txtCols=1"_s}))
            click(wizard, u"cmdOK"_s);
    });
    QCOMPARE(m_source->toPlainText(), u"unchanged<TABLE width='80' border='1'>\n<TR><TD></TD></TR>\n</TABLE>"_s);
}

void TestTableWizard::getColorKeepsWizardOpen()
{
    QGuiApplication::clipboard()->setText(u"before"_s);
    m_dialogs.colors << QColor(255, 0, 16);
    runWizard([&](QDialog *wizard) {
        if (!applyEdits(wizard, {u"chkTBgcolor=1"_s, u"txtTBgcolor=ABCDEF"_s}))
            return;
        click(wizard, u"cmdGetColor"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"FF0010"_s);
        QCOMPARE(m_commonDialog->flags(), 9);
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->findChild<QLineEdit *>(u"txtTBgcolor"_s)->text(), u"ABCDEF"_s);
        click(wizard, u"cmdCancel"_s);
    });
    QCOMPARE(m_source->toPlainText(), QString());
}

QTEST_MAIN(TestTableWizard)
#include "tst_tablewizard.moc"
