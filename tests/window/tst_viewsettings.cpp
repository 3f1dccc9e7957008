// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commondialog.h"
#include "editor/sourceeditor.h"
#include "core/window/viewcaptions.h"
#include "window/viewsettings.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace Qt::StringLiterals;

class TestViewSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUpTakesTheDialogFont_data();
    void startUpTakesTheDialogFont();
    void chosenFontSetsCaptionsAndEditor_data();
    void chosenFontSetsCaptionsAndEditor();
    void dialogOpensOnLastChoice();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void alignmentIsDisplayOnly_data();
    void alignmentIsDisplayOnly();

private:
    std::unique_ptr<QWidget> m_window;
    SourceEditor *m_source = nullptr;
    CommonDialog *m_dialog = nullptr;
    DialogScript m_dialogs;
    QAction *m_nameItem = nullptr;
    QAction *m_sizeItem = nullptr;
    ViewSettings *m_view = nullptr;
};

static const QString designNameCaption = QStringLiteral("フォント(F)：ＭＳ　Ｐゴシック");
static const QString designSizeCaption = QStringLiteral("フォントサイズ(P)：10");

void TestViewSettings::init()
{
    m_window = std::make_unique<QWidget>();
    m_source = new SourceEditor(m_window.get());
    m_source->setObjectName(QStringLiteral("source"));
    QFont design(QStringLiteral("ＭＳ Ｐゴシック"));
    design.setPointSizeF(11.25);
    m_source->setFont(design);
    m_dialog = new CommonDialog(m_window.get());
    m_dialog->setObjectName(QStringLiteral("CommDlg1"));
    m_dialogs = {};
    m_dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_dialog->setFontName(startFontName.toString());
    m_dialog->setFontSize(startFontSize);
    m_nameItem = new QAction(designNameCaption, m_window.get());
    m_sizeItem = new QAction(designSizeCaption, m_window.get());
    m_view = new ViewSettings(m_source, m_dialog, m_nameItem, m_sizeItem, m_window.get());
    m_view->readDialogFont();
}

void TestViewSettings::cleanup()
{
    m_window.reset();
}

void TestViewSettings::startUpTakesTheDialogFont_data()
{
    QTest::addColumn<double>("dialogSize");
    QTest::addColumn<int>("nFontSize");

    QTest::addRow("the start size of 10 points") << 10.0 << 10;
    QTest::addRow("a half point rounds to the even neighbour below") << 10.5 << 10;
    QTest::addRow("a half point rounds to the even neighbour above") << 11.5 << 12;
}

void TestViewSettings::startUpTakesTheDialogFont()
{
    QFETCH(double, dialogSize);
    QFETCH(int, nFontSize);

    m_dialog->setFontSize(dialogSize);
    m_view->readDialogFont();

    QCOMPARE(m_view->strFont(), QStringLiteral("ＭＳ　Ｐゴシック"));
    QCOMPARE(m_view->nFontSize(), nFontSize);
    QCOMPARE(m_source->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(m_source->font().pointSizeF(), 11.25);
    QCOMPARE(m_nameItem->text(), designNameCaption);
    QCOMPARE(m_sizeItem->text(), designSizeCaption);
    QVERIFY(m_dialogs.offeredFonts.isEmpty());
}

void TestViewSettings::chosenFontSetsCaptionsAndEditor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("nameCaption");
    QTest::addColumn<QString>("sizeCaption");
    QTest::addColumn<int>("points");

    QTest::addRow("another font at 12 points")
        << u"IPAGothic"_s << 12.0 << u"フォント(F):IPAGothic"_s << u"フォントサイズ(P)：12"_s << 12;
    QTest::addRow("10.5 points are shown and used as 10")
        << u"IPAPGothic"_s << 10.5 << u"フォント(F):IPAPGothic"_s << u"フォントサイズ(P)：10"_s << 10;
    QTest::addRow("11.5 points are shown and used as 12")
        << u"IPAPGothic"_s << 11.5 << u"フォント(F):IPAPGothic"_s << u"フォントサイズ(P)：12"_s << 12;
    QTest::addRow("11.25 points, the editor's design size, give 11")
        << u"IPAGothic"_s << 11.25 << u"フォント(F):IPAGothic"_s << u"フォントサイズ(P)：11"_s << 11;
    QTest::addRow("the start font confirmed, half-width colon before its ideographic blank")
        << u"ＭＳ　Ｐゴシック"_s << 10.0 << u"フォント(F):ＭＳ　Ｐゴシック"_s << u"フォントサイズ(P)：10"_s << 10;
    QTest::addRow("a two-digit size in plain digits")
        << u"IPAGothic"_s << 72.0 << u"フォント(F):IPAGothic"_s << u"フォントサイズ(P)：72"_s << 72;
    QTest::addRow("a size under half a point is still shown in one point")
        << u"IPAGothic"_s << 0.4 << u"フォント(F):IPAGothic"_s << u"フォントサイズ(P)：1"_s << 1;
}

void TestViewSettings::chosenFontSetsCaptionsAndEditor()
{
    QFETCH(QString, name);
    QFETCH(double, size);
    QFETCH(QString, nameCaption);
    QFETCH(QString, sizeCaption);
    QFETCH(int, points);

    m_source->setPlainText(QStringLiteral("<HTML>\n<BODY>\n</BODY>\n</HTML>"));
    m_dialog->setFlags(0);
    m_dialogs.fonts << CommonDialog::Font{name, size};

    m_view->setEditorFont();

    QCOMPARE(m_dialog->flags(), 3);
    QCOMPARE(m_nameItem->text(), nameCaption);
    QCOMPARE(m_sizeItem->text(), sizeCaption);
    QCOMPARE(m_view->strFont(), name);
    QCOMPARE(m_view->nFontSize(), points);
    // The widget's font, so every paragraph follows, not only a selection.
    QCOMPARE(m_source->font().family(), name);
    QCOMPARE(m_source->font().pointSize(), points);
    QCOMPARE(m_source->document()->defaultFont().family(), name);
    QCOMPARE(m_source->document()->defaultFont().pointSize(), points);
    for (QTextBlock block = m_source->document()->begin(); block.isValid(); block = block.next())
        QVERIFY2(!block.charFormat().hasProperty(QTextFormat::FontPointSize), qPrintable(block.text()));
}

void TestViewSettings::dialogOpensOnLastChoice()
{
    m_dialogs.fonts << CommonDialog::Font{QStringLiteral("IPAGothic"), 14.5};
    m_view->setEditorFont();
    m_dialogs.fonts << std::nullopt;
    m_view->setEditorFont();

    QCOMPARE(m_dialogs.offeredFonts.size(), 2);
    QCOMPARE(m_dialogs.offeredFonts[0].name, QStringLiteral("ＭＳ　Ｐゴシック"));
    QCOMPARE(m_dialogs.offeredFonts[0].size, 10.0);
    QCOMPARE(m_dialogs.offeredFonts[1].name, QStringLiteral("IPAGothic"));
    QCOMPARE(m_dialogs.offeredFonts[1].size, 14.5);
}

void TestViewSettings::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("chosenBefore");

    QTest::addRow("cancel at the first use") << false;
    QTest::addRow("cancel after a font was chosen") << true;
}

void TestViewSettings::cancelChangesNothing()
{
    QFETCH(bool, chosenBefore);

    if (chosenBefore) {
        m_dialogs.fonts << CommonDialog::Font{QStringLiteral("IPAGothic"), 16};
        m_view->setEditorFont();
    }
    const QString nameCaption = m_nameItem->text();
    const QString sizeCaption = m_sizeItem->text();
    const QFont editorFont = m_source->font();
    const QString strFont = m_view->strFont();
    const int nFontSize = m_view->nFontSize();

    m_dialogs.fonts << std::nullopt;
    m_view->setEditorFont();

    QCOMPARE(m_dialogs.offeredFonts.size(), chosenBefore ? 2 : 1);
    QCOMPARE(m_nameItem->text(), nameCaption);
    QCOMPARE(m_sizeItem->text(), sizeCaption);
    QCOMPARE(m_source->font(), editorFont);
    QCOMPARE(m_view->strFont(), strFont);
    QCOMPARE(m_view->nFontSize(), nFontSize);
}

void TestViewSettings::alignmentIsDisplayOnly_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("selectionEnd");

    // The text is "one\ntwo\nthree\nfour"; the selection starts inside "two".
    QTest::addRow("centre the paragraph at the caret") << QByteArray("alignCenter") << 0 << 2 << 5;
    QTest::addRow("right-align the paragraph at the caret") << QByteArray("alignRight") << 0 << 1 << 5;
    QTest::addRow("left-align a centred paragraph") << QByteArray("alignLeft") << 2 << 0 << 5;
    QTest::addRow("centre every paragraph the selection touches") << QByteArray("alignCenter") << 0 << 2 << 10;
}

void TestViewSettings::alignmentIsDisplayOnly()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, start);
    QFETCH(int, expected);
    QFETCH(int, selectionEnd);

    const QString text = QStringLiteral("one\ntwo\nthree\nfour");
    m_source->setPlainText(text);
    QTextCursor cursor(m_source->document());
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    m_source->setTextCursor(cursor);
    m_source->setSelAlignment(start);
    cursor.setPosition(5);
    cursor.setPosition(selectionEnd, QTextCursor::KeepAnchor);
    m_source->setTextCursor(cursor);
    m_source->document()->setModified(false);

    QVERIFY(QMetaObject::invokeMethod(m_view, slot.constData()));

    const QTextDocument *doc = m_source->document();
    const int lastTouched = doc->findBlock(selectionEnd).blockNumber();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        m_source->setTextCursor(QTextCursor(block));
        const bool touched = block.blockNumber() >= 1 && block.blockNumber() <= lastTouched;
        QVERIFY2(m_source->selAlignment() == (touched ? expected : start), qPrintable(block.text()));
    }
    QCOMPARE(m_source->toPlainText(), text);
    QVERIFY(!doc->isModified());
}

QTEST_MAIN(TestViewSettings)
#include "tst_viewsettings.moc"
