// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagetext.h"
#include "site/foldersearchdialog.h"

#include "controls.h"
#include "core/document/textencoding.h"
#include "editor/editortext.h"
#include "editor/sourceeditor.h"
#include "filebytes.h"
#include "messageanswers.h"
#include "site/matchdelegate.h"
#include "site/sitefolder.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

void copySite(const QString &to)
{
    const QString from = QStringLiteral(TAGPOT_TEST_DATA "/site");
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        writeBytes(target, readBytes(source));
    }
}

QByteArray sjis(const QString &text)
{
    return *encodeStrictly(text, TextEncoding::ShiftJis);
}

QByteArray euc(const QString &text)
{
    return *encodeStrictly(text, TextEncoding::EucJp);
}

} // namespace

class TestFolderSearchDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void resultsListFileLineColumnAndTheMarkedLine();
    void optionsOfTheFindDialog_data();
    void optionsOfTheFindDialog();
    void doubleClickOpensThePageAtTheMatch();
    void replaceAllAsksThenWritesEachFileInItsEncoding();
    void replaceAllSkipsAFileThatCannotHoldTheNewText();
    void replaceAllCancelledChangesNothing();
    void anOpenPageIsChangedInItsEditorAsOneUndoStep();

private:
    void type(const QString &name, const QString &text);
    void searchAndWait();
    QStringList rows() const;

    std::unique_ptr<QTemporaryDir> m_site;
    std::unique_ptr<SourceEditor> m_editor;
    QString m_editorPath; // the file the editor holds, if any
    std::unique_ptr<SiteFolder> m_folder;
    std::unique_ptr<FolderSearchDialog> m_dialog;
    QList<std::tuple<QString, qsizetype, qsizetype>> m_opened;
    MessageAnswers m_answers;
};

void TestFolderSearchDialog::init()
{
    useFreshSettings();
    m_site = std::make_unique<QTemporaryDir>();
    copySite(m_site->path());
    m_editor = std::make_unique<SourceEditor>();
    m_editorPath.clear();
    m_folder = std::make_unique<SiteFolder>([] { return QString(); });
    m_folder->setPath(m_site->path());
    m_opened.clear();
    m_answers.texts.clear();
    m_dialog = std::make_unique<FolderSearchDialog>(
        m_folder.get(),
        [this] {
            QHash<QString, SourceEditor *> open;
            if (!m_editorPath.isEmpty())
                open.insert(QFileInfo(m_editorPath).canonicalFilePath(), m_editor.get());
            return open;
        },
        [this](const QString &path, qsizetype line, qsizetype column) { m_opened.append({path, line, column}); });
    m_dialog->showSearch();
}

void TestFolderSearchDialog::cleanup()
{
    QVERIFY(!m_answers.pending());
    m_dialog.reset();
    m_editor.reset();
    m_folder.reset();
    m_site.reset();
}

void TestFolderSearchDialog::type(const QString &name, const QString &text)
{
    control<QLineEdit>(m_dialog.get(), name)->setText(text);
}

void TestFolderSearchDialog::searchAndWait()
{
    QSignalSpy finished(m_dialog.get(), &FolderSearchDialog::searchFinished);
    control<QPushButton>(m_dialog.get(), u"folderSearchButton"_s)->click();
    QVERIFY(finished.wait());
}

// "file|line|column|line text|marked text" for each row.
QStringList TestFolderSearchDialog::rows() const
{
    QStringList result;
    auto *list = control<QTreeWidget>(m_dialog.get(), u"folderResults"_s);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        const QString text = row->text(3);
        const QVariant start = row->data(3, MatchDelegate::markStartRole);
        const QString marked = start.isValid()
            ? text.sliced(start.toInt(), row->data(3, MatchDelegate::markLengthRole).toInt())
            : QString();
        result << QStringList{QDir::fromNativeSeparators(row->text(0)), row->text(1), row->text(2), text, marked}.join(u'|');
    }
    return result;
}

void TestFolderSearchDialog::resultsListFileLineColumnAndTheMarkedLine()
{
    QCOMPARE(control<QLineEdit>(m_dialog.get(), u"folderPatterns"_s)->text(), u"*.html;*.htm;*.css;*.js"_s);
    QCOMPARE(QDir::fromNativeSeparators(control<QLineEdit>(m_dialog.get(), u"folderPath"_s)->text()), m_site->path());
    type(u"folderFindText"_s, u"ほげ"_s);
    searchAndWait();
    QCOMPARE(rows(), (QStringList{
                         u"sjis.html|3|8|<p>株式会社ほげ ①</p>|ほげ"_s,
                         u"sjis.html|5|4|<p>ほげほげ</p>|ほげ"_s,
                         u"sjis.html|5|6|<p>ほげほげ</p>|ほげ"_s,
                         u"style.css|1|4|/* ほげ */|ほげ"_s,
                         u"sub/euc.htm|3|4|<p>ほげの本社</p>|ほげ"_s,
                         u"sub/utf8.html|2|8|<title>ほげ</title>|ほげ"_s,
                         u"sub/utf8.html|3|7|<p>ホゲ ほげ ほげ</p>|ほげ"_s,
                         u"sub/utf8.html|3|10|<p>ホゲ ほげ ほげ</p>|ほげ"_s,
                     }));
    QCOMPARE(m_dialog->status(), u"4 ファイル中 4 ファイルで 8 件見つかりました。"_s);
}

void TestFolderSearchDialog::optionsOfTheFindDialog_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("patterns");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("a regular expression over the pages only")
        << u"<t[a-z]+>"_s << u"*.html"_s << u"folderRegularExpression"_s
        << QStringList{u"sjis.html|1|39|<html><head><meta charset=\"Shift_JIS\"><title>会社案内</title></head>|<title>"_s,
                       u"sub/utf8.html|2|1|<title>ほげ</title>|<title>"_s};
    QTest::addRow("letter case matched") << u"HTML"_s << u"*.htm"_s << u"folderMatchCase"_s << QStringList{};
    QTest::addRow("whole words only")
        << u"p"_s << u"*.css"_s << u"folderWholeWord"_s << QStringList{u"style.css|2|1|p { color: red }|p"_s};
}

void TestFolderSearchDialog::optionsOfTheFindDialog()
{
    QFETCH(QString, pattern);
    QFETCH(QString, patterns);
    QFETCH(QString, checked);
    QFETCH(QStringList, expected);

    type(u"folderFindText"_s, pattern);
    type(u"folderPatterns"_s, patterns);
    control<QCheckBox>(m_dialog.get(), checked)->setChecked(true);
    searchAndWait();
    QCOMPARE(rows(), expected);
}

void TestFolderSearchDialog::doubleClickOpensThePageAtTheMatch()
{
    type(u"folderFindText"_s, u"本社"_s);
    searchAndWait();
    auto *list = control<QTreeWidget>(m_dialog.get(), u"folderResults"_s);
    QCOMPARE(list->topLevelItemCount(), 1);
    emit list->itemActivated(list->topLevelItem(0), 0);
    QCOMPARE(m_opened, (QList<std::tuple<QString, qsizetype, qsizetype>>{{m_site->filePath(u"sub/euc.htm"_s), 3, 7}}));

    type(u"folderFindText"_s, u"(unclosed"_s);
    control<QCheckBox>(m_dialog.get(), u"folderRegularExpression"_s)->setChecked(true);
    QVERIFY(!m_dialog->search());
    QVERIFY2(m_dialog->status().startsWith(u"正規表現が正しくありません"_s), qPrintable(m_dialog->status()));
}

void TestFolderSearchDialog::replaceAllAsksThenWritesEachFileInItsEncoding()
{
    const QByteArray sjisBefore = readBytes(m_site->filePath(u"sjis.html"_s));
    const QByteArray eucBefore = readBytes(m_site->filePath(u"sub/euc.htm"_s));
    const QByteArray utf8Before = readBytes(m_site->filePath(u"sub/utf8.html"_s));
    type(u"folderFindText"_s, u"ほげ"_s);
    type(u"folderReplaceText"_s, u"ふが"_s);
    type(u"folderPatterns"_s, u"*.html;*.htm"_s);
    // Replace all searches first, when the list is not of these fields.
    QSignalSpy replaced(m_dialog.get(), &FolderSearchDialog::replacedAll);
    m_answers.answer({u"置換する"_s, u"OK"_s});
    control<QPushButton>(m_dialog.get(), u"folderReplaceAllButton"_s)->click();
    QVERIFY(replaced.wait());

    QCOMPARE(m_answers.texts.size(), 2);
    QCOMPARE(m_answers.texts[0], u"3 ファイルの 7 件を「ふが」に置換します。よろしいですか？\n\n"
                                 "sjis.html（3 件）\nsub/euc.htm（1 件）\nsub/utf8.html（3 件）"_s);
    QCOMPARE(m_answers.texts[1], u"3 ファイルで 7 件置換しました。"_s);
    QCOMPARE(readBytes(m_site->filePath(u"sjis.html"_s)), QByteArray(sjisBefore).replace(sjis(u"ほげ"_s), sjis(u"ふが"_s)));
    QCOMPARE(readBytes(m_site->filePath(u"sub/euc.htm"_s)), QByteArray(eucBefore).replace(euc(u"ほげ"_s), euc(u"ふが"_s)));
    QCOMPARE(readBytes(m_site->filePath(u"sub/utf8.html"_s)),
             QByteArray(utf8Before).replace(u"ほげ"_s.toUtf8(), u"ふが"_s.toUtf8()));
    QCOMPARE(readBytes(m_site->filePath(u"style.css"_s)), fixture(u"site/style.css"_s));
}

void TestFolderSearchDialog::replaceAllSkipsAFileThatCannotHoldTheNewText()
{
    const QByteArray sjisBefore = readBytes(m_site->filePath(u"sjis.html"_s));
    type(u"folderFindText"_s, u"ほげ"_s);
    type(u"folderReplaceText"_s, u"한"_s);
    type(u"folderPatterns"_s, u"sjis.html;utf8.html"_s);
    searchAndWait();
    // Changed after the search: searched again before it is written.
    const QString utf8 = m_site->filePath(u"sub/utf8.html"_s);
    writeBytes(utf8, readBytes(utf8) + u"<p>ほげ</p>\r\n"_s.toUtf8());

    QSignalSpy replaced(m_dialog.get(), &FolderSearchDialog::replacedAll);
    m_answers.answer({u"置換する"_s, u"OK"_s});
    control<QPushButton>(m_dialog.get(), u"folderReplaceAllButton"_s)->click();
    QVERIFY(replaced.count() == 1 || replaced.wait());

    QCOMPARE(readBytes(m_site->filePath(u"sjis.html"_s)), sjisBefore);
    QVERIFY(readBytes(utf8).endsWith(u"<p>한</p>\r\n"_s.toUtf8()));
    QCOMPARE(m_answers.texts.value(1),
             u"1 ファイルで 4 件置換しました。\n\n検索の後で変更されていたため、検索し直してから置換したファイル:\n"
             "sub/utf8.html\n\n置換しなかったファイル（元のまま）:\n"
             "sjis.html: 「한」（3 行 8 桁）は Shift_JIS で書けません。"_s);
    QCOMPARE(rows(), QStringList{u"sjis.html|||置換しませんでした: 「한」（3 行 8 桁）は Shift_JIS で書けません。|"_s});
}

void TestFolderSearchDialog::replaceAllCancelledChangesNothing()
{
    const QByteArray before = readBytes(m_site->filePath(u"sub/utf8.html"_s));
    type(u"folderFindText"_s, u"ほげ"_s);
    type(u"folderReplaceText"_s, u"ふが"_s);
    searchAndWait();
    m_answers.answer({u"キャンセル"_s});
    m_dialog->replaceAll();
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(readBytes(m_site->filePath(u"sub/utf8.html"_s)), before);
    QCOMPARE(rows().size(), 8);
}

void TestFolderSearchDialog::anOpenPageIsChangedInItsEditorAsOneUndoStep()
{
    // The editor holds utf8.html with an unsaved edit: its text is what is
    // searched and replaced, and its file stays as it is.
    m_editorPath = m_site->filePath(u"sub/utf8.html"_s);
    const QByteArray onDisk = readBytes(m_editorPath);
    m_editor->setPlainText(u"<p>ほげ</p>\n<p>編集中 ほげ</p>"_s);
    type(u"folderFindText"_s, u"ほげ"_s);
    type(u"folderReplaceText"_s, u"ふが"_s);
    type(u"folderPatterns"_s, u"utf8.html"_s);
    searchAndWait();
    QCOMPARE(rows(), (QStringList{u"sub/utf8.html|1|4|<p>ほげ</p>|ほげ"_s, u"sub/utf8.html|2|8|<p>編集中 ほげ</p>|ほげ"_s}));

    m_answers.answer({u"置換する"_s, u"OK"_s});
    m_dialog->replaceAll();
    QCOMPARE(PageText(m_editor.get(), PageText::Form::Editor).all(), u"<p>ふが</p>\n<p>編集中 ふが</p>"_s);
    QCOMPARE(readBytes(m_editorPath), onDisk);
    m_editor->undo();
    QCOMPARE(PageText(m_editor.get(), PageText::Form::Editor).all(), u"<p>ほげ</p>\n<p>編集中 ほげ</p>"_s);
}

QTEST_MAIN(TestFolderSearchDialog)
#include "tst_foldersearchdialog.moc"
