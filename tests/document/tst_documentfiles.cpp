// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "controls.h"
#include "core/document/filefilter.h"
#include "core/palette/catalogue.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "filebytes.h"
#include "jisvariantcodes.h"
#include "scripteddialogs.h"
#include "scriptedprompts.h"
#include "testsettings.h"
#include "window/commondialog.h"

#include <QAction>
#include <QDateTime>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QScopeGuard>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Answer = DocumentFiles::Answer;
Q_DECLARE_METATYPE(Answer)

namespace {

// The main window, with names for what the document commands work on.
class Window : public MainWindow
{
public:
    Window()
        : editor(source())
        , dialog(commonDialog())
        , files(documentFiles())
        , session(documentSession())
    {
    }

    SourceEditor *editor;
    CommonDialog *dialog;
    DocumentFiles *files;
    DocumentSession *session;
};

QString caption(const QString &path)
{
    return path.isEmpty() ? u"タグポット[*]"_s : u"タグポット  - " + path + u"[*]";
}

void insertAtStart(SourceEditor *editor, const QString &text)
{
    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::Start);
    editor->setTextCursor(cursor);
    editor->setSelText(text);
}

// What an input method does when the user accepts a conversion: the text
// arrives in one piece, not as key presses.
void commitFromInputMethod(SourceEditor *editor, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(editor, &event);
}

QString pageMarkup()
{
    return paletteMarkup(0, 0, PaletteState{}).value_or(QString());
}

// Marks every "<" red: something attached once to the editor's document.
class TagHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString &text) override
    {
        for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1))
            setFormat(int(at), 1, QColor(Qt::red));
    }
};

// The characters of the document's first non-empty block that the highlighter coloured.
QList<int> colouredInFirstLine(const QTextDocument *document)
{
    QTextBlock block = document->firstBlock();
    while (block.isValid() && block.text().isEmpty())
        block = block.next();
    QList<int> coloured;
    if (!block.isValid())
        return coloured;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (range.format.foreground().color() == QColor(Qt::red))
            coloured << range.start;
    }
    return coloured;
}

QList<int> tagStarts(const QString &line)
{
    QList<int> starts;
    for (qsizetype at = line.indexOf(u'<'); at >= 0; at = line.indexOf(u'<', at + 1))
        starts << int(at);
    return starts;
}

// What another program does to the open file.
enum class Outside { Rewrite, RenameOver, Touch };

void changeOutside(const QString &path, Outside how, const QByteArray &bytes)
{
    switch (how) {
    case Outside::Rewrite:
        writeBytes(path, bytes);
        break;
    case Outside::RenameOver:
        writeBytes(path + u".new", bytes);
        QVERIFY(::rename(QFile::encodeName(path + u".new").constData(), QFile::encodeName(path).constData()) == 0);
        break;
    case Outside::Touch: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        break;
    }
    }
}

// What the window does when the user comes back to it.
void activate(QWidget *window)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

} // namespace

class TestDocumentFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsAsNewDocument();
    void roundTrip_data();
    void roundTrip();
    void largePageRoundTrip_data();
    void largePageRoundTrip();
    void editsKeepTheFormat_data();
    void editsKeepTheFormat();
    void fileNameLinksTheCommands();
    void cancelledDialogsChangeNothing();
    void refusesToOpen_data();
    void refusesToOpen();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void offersUtf8ForUnencodable_data();
    void offersUtf8ForUnencodable();
    void refusesToSaveNul();
    void writesTypedJisVariants_data();
    void writesTypedJisVariants();
    void listsOnlyOthersBesideJisVariants_data();
    void listsOnlyOthersBesideJisVariants();
    void asksAboutUnsavedChanges_data();
    void asksAboutUnsavedChanges();
    void survivesRandomFiles();
    void realQuestionButtons_data();
    void realQuestionButtons();
    void realErrorMessage();
    void realDiskQuestionsDefault_data();
    void realDiskQuestionsDefault();
    void highlighterSurvivesNewAndOpen();
    void changedOnDisk_data();
    void changedOnDisk();
    void deletedOnDisk_data();
    void deletedOnDisk();
    void watcherNoticesOtherPrograms();
    void saveOverChangedFileAsksEachSave();
    void restoredTextIsUnsaved();

private:
    // Clicks the button captioned caption of the message box that is about
    // to run modally, noting every button caption it shows.
    void clickWhenShown(const QString &caption, QStringList *captions);

    QString copyOfFixture(const QString &name);
    QString statusText() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Window> m_window;
    DialogScript m_dialogs;
    PromptScript m_prompts;
};

void TestDocumentFiles::initTestCase()
{
    // Closing the window in a test must not end the test program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestDocumentFiles::init()
{
    useFreshSettings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    m_prompts = {};
    m_window = std::make_unique<Window>();
    m_window->dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->files->setBackend(std::make_unique<ScriptedPrompts>(&m_prompts));
    m_window->show();
}

void TestDocumentFiles::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

QString TestDocumentFiles::copyOfFixture(const QString &name)
{
    const QString path = m_dir->filePath(name);
    writeBytes(path, fixture(name));
    return path;
}

QString TestDocumentFiles::statusText() const
{
    const auto *label = m_window->findChild<QLabel *>(u"fileFormat"_s);
    return label ? label->text() : u"(no status)"_s;
}

void TestDocumentFiles::startsAsNewDocument()
{
    QCOMPARE(m_window->windowTitle(), caption({}));
    QCOMPARE(m_window->dialog->filter(), documentFilter.toString());
    QCOMPARE(statusText(), u"文字コード: UTF-8　改行: CRLF"_s);
}

void TestDocumentFiles::roundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("status");

    QTest::addRow("Shift_JIS, CRLF, half-width katakana, NEC specials, 0x5C bytes")
        << "sjis_crlf.html" << u"文字コード: Shift_JIS　改行: CRLF"_s;
    QTest::addRow("Shift_JIS, mixed line ends") << "sjis_mixed.txt" << u"文字コード: Shift_JIS　改行: CRLF"_s;
    QTest::addRow("Shift_JIS, LF, no final line end") << "sjis_lf_no_final.txt" << u"文字コード: Shift_JIS　改行: LF"_s;
    QTest::addRow("EUC-JP, LF") << "eucjp_lf.html" << u"文字コード: EUC-JP　改行: LF"_s;
    QTest::addRow("EUC-JP by its meta declaration") << "eucjp_meta.html" << u"文字コード: EUC-JP　改行: LF"_s;
    QTest::addRow("ISO-2022-JP, CRLF") << "iso2022jp_crlf.txt" << u"文字コード: ISO-2022-JP　改行: CRLF"_s;
    QTest::addRow("UTF-8, LF, a no-break space") << "utf8_lf.html" << u"文字コード: UTF-8　改行: LF"_s;
    QTest::addRow("UTF-8 with BOM, CRLF") << "utf8_bom_crlf.html" << u"文字コード: UTF-8 (BOM付き)　改行: CRLF"_s;
    QTest::addRow("UTF-16LE with BOM, CRLF") << "utf16le_bom_crlf.txt" << u"文字コード: UTF-16LE　改行: CRLF"_s;
    QTest::addRow("UTF-8, CR") << "utf8_cr.txt" << u"文字コード: UTF-8　改行: CR"_s;
    QTest::addRow("ASCII page declaring Shift_JIS") << "ascii_meta_sjis.html" << u"文字コード: Shift_JIS　改行: CRLF"_s;
    QTest::addRow("empty file") << "empty.txt" << u"文字コード: UTF-8　改行: CRLF"_s;
    QTest::addRow("Shift_JIS page holding ～ － ∥ ￠ ￡ ￢, ￢ also in its NEC and IBM codes")
        << "sjis_variants.html" << u"文字コード: Shift_JIS　改行: CRLF"_s;
    QTest::addRow("EUC-JP page holding ～ － ∥ ￠ ￡ ￢, and ¢ £ ¬ in their IBM codes")
        << "eucjp_variants.html" << u"文字コード: EUC-JP　改行: LF"_s;
    QTest::addRow("ISO-2022-JP page holding ～ － ∥ ￠ ￡ ￢")
        << "iso2022jp_variants.txt" << u"文字コード: ISO-2022-JP　改行: CRLF"_s;
}

// Open, then save under a new name without an edit: the same bytes.
void TestDocumentFiles::roundTrip()
{
    QFETCH(QString, file);
    QFETCH(QString, status);

    const QString path = copyOfFixture(file);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    QVERIFY(m_prompts.errors.isEmpty());
    QCOMPARE(statusText(), status);
    QCOMPARE(m_window->windowTitle(), caption(path));
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->dialog->fileName(), path);
    QCOMPARE(m_window->session->path(), path);
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), readText(bytes).text);

    const QString copy = m_dir->filePath(u"saved-"_s + file);
    m_dialogs.saves << copy;
    QVERIFY(m_window->files->saveDocument());
    QCOMPARE(readBytes(copy), bytes);
    QCOMPARE(m_window->windowTitle(), caption(copy));
    QCOMPARE(m_window->session->path(), copy);
}

void TestDocumentFiles::largePageRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("whileGoingIn");
    QTest::addColumn<QString>("edit");

    QTest::addRow("Shift_JIS, megabytes, saved unedited while still going in") << "sjis_crlf.html" << true << QString();
    QTest::addRow("Shift_JIS, megabytes, saved unedited once in") << "sjis_crlf.html" << false << QString();
    QTest::addRow("Shift_JIS, megabytes, mixed line ends: its own bytes kept")
        << "sjis_mixed.txt" << false << QString();
    QTest::addRow("UTF-8, megabytes, LF") << "utf8_lf.html" << false << QString();
    QTest::addRow("UTF-8, megabytes, CR, saved while going in") << "utf8_cr.txt" << true << QString();
    QTest::addRow("EUC-JP, megabytes") << "eucjp_lf.html" << false << QString();
    QTest::addRow("Shift_JIS, megabytes, edited at the top") << "sjis_crlf.html" << false << u"<P>編集</P>"_s;
    QTest::addRow("Shift_JIS, megabytes on one line, saved while going in") << "sjis_oneline.html" << true << QString();
    QTest::addRow("Shift_JIS, megabytes on one line, saved once in") << "sjis_oneline.html" << false << QString();
    QTest::addRow("Shift_JIS, megabytes on one line, edited at the top")
        << "sjis_oneline.html" << false << u"<P>\n編集</P>\n"_s;
}

// A page of many megabytes goes into the editor a piece at a time, and may
// let its file's bytes go: unedited it is still written back byte for byte.
void TestDocumentFiles::largePageRoundTrip()
{
    QFETCH(QString, file);
    QFETCH(bool, whileGoingIn);
    QFETCH(QString, edit);

    const QByteArray piece = fixture(file);
    QByteArray bytes = piece;
    while (readText(bytes).text.size() < PageFiller::piecewiseFrom)
        bytes += bytes;
    const QString path = m_dir->filePath(file);
    writeBytes(path, bytes);

    QVERIFY(m_window->files->openPath(path));
    QVERIFY(m_prompts.errors.isEmpty());
    auto *progress = m_window->findChild<QProgressBar *>(u"loadProgress"_s);
    QVERIFY(progress);
    if (whileGoingIn) {
        QVERIFY(pageFiller(m_window->editor));
        QVERIFY(m_window->editor->isReadOnly());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!pageFiller(m_window->editor), 60'000);
        QVERIFY(!m_window->editor->isReadOnly());
        QVERIFY(progress->isHidden());
    }
    QVERIFY(!m_window->isWindowModified());
    if (!edit.isEmpty())
        insertAtStart(m_window->editor, edit);

    const QString copy = m_dir->filePath(u"saved-"_s + file);
    m_dialogs.saves << copy;
    QVERIFY(m_window->files->saveDocument());
    QVERIFY(!pageFiller(m_window->editor));
    QVERIFY(progress->isHidden());
    const QByteArray saved = readBytes(copy);
    if (edit.isEmpty()) {
        QVERIFY(saved == bytes);
    } else {
        const ReadText read = readText(saved);
        QCOMPARE(read.format, readText(bytes).format);
        QVERIFY(read.text == edit + readText(bytes).text);
    }

    // Saved, the page is the file's again: unedited, its bytes go back once more.
    const QString again = m_dir->filePath(u"again-"_s + file);
    m_dialogs.saves << again;
    QVERIFY(m_window->files->saveDocument());
    QVERIFY(readBytes(again) == saved);
}

void TestDocumentFiles::editsKeepTheFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray sjisMarkup("<HTML><HEAD><TITLE>\x83^\x83" "C\x83g\x83\x8b</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n<!--"
                                "\x82\xb1\x82\xb1\x82\xc9\x96{\x95\xb6-->\r\n\r\n</BODY></HTML>");
    QTest::addRow("Shift_JIS CRLF page: palette markup at the top is Shift_JIS with CR LF")
        << "sjis_crlf.html" << pageMarkup() << sjisMarkup + fixture(u"sjis_crlf.html"_s);

    QByteArray allCrLf = fixture(u"sjis_mixed.txt"_s);
    allCrLf.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    QTest::addRow("mixed line ends: all written in the style most lines use")
        << "sjis_mixed.txt" << u"追加"_s << QByteArray("\x92\xc7\x89\xc1") + allCrLf;

    const QByteArray utf8Markup("<HTML><HEAD><TITLE>\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x88\xe3\x83\xab</TITLE>\n</HEAD>\n"
                                "<BODY>\n\n<!--\xe3\x81\x93\xe3\x81\x93\xe3\x81\xab\xe6\x9c\xac\xe6\x96\x87-->\n\n</BODY></HTML>");
    QTest::addRow("UTF-8 LF page: markup lines end in LF, the no-break space stays")
        << "utf8_lf.html" << pageMarkup() << utf8Markup + fixture(u"utf8_lf.html"_s);

    QTest::addRow("UTF-16LE page: the BOM and CR LF stay")
        << "utf16le_bom_crlf.txt" << u"追加\r\n"_s
        << QByteArray("\xff\xfe\xfd\x8f\xa0\x52\r\0\n\0", 10) + fixture(u"utf16le_bom_crlf.txt"_s).sliced(2);
}

void TestDocumentFiles::editsKeepTheFormat()
{
    QFETCH(QString, file);
    QFETCH(QString, inserted);
    QFETCH(QByteArray, expected);

    QVERIFY(!inserted.isEmpty());
    const QString path = copyOfFixture(file);
    QVERIFY(m_window->files->openPath(path));
    const TextFormat format = m_window->session->format();
    insertAtStart(m_window->editor, inserted);
    QVERIFY(m_window->isWindowModified());

    m_dialogs.saves << path;
    QVERIFY(m_window->files->saveDocument());
    QCOMPARE(readBytes(path), expected);
    QVERIFY(m_window->session->format() == format);
    QVERIFY(!m_window->isWindowModified());
    QVERIFY(m_prompts.utf8Questions.isEmpty());
}

// After Open the Save dialog offers the opened path, after Save the Open
// dialog offers the saved one, and New clears it.
void TestDocumentFiles::fileNameLinksTheCommands()
{
    const QString opened = copyOfFixture(u"sjis_crlf.html"_s);
    const QString saved = m_dir->filePath(u"saved.html"_s);
    m_dialogs.opens << opened;
    QVERIFY(m_window->files->openDocument());
    QCOMPARE(m_window->session->path(), opened);
    QCOMPARE(m_dialogs.filters, nameFiltersFrom(documentFilter));
    m_dialogs.saves << saved;
    QVERIFY(m_window->files->saveDocument());
    QCOMPARE(m_window->session->path(), saved);
    QVERIFY(!m_window->files->openDocument());
    m_window->files->newDocument();
    QVERIFY(!m_window->files->saveDocument());
    QVERIFY(!m_window->files->openDocument());

    QCOMPARE(m_dialogs.offeredOpen, (QStringList{QString(), saved, QString()}));
    QCOMPARE(m_dialogs.offeredSave, (QStringList{opened, QString()}));
    QCOMPARE(m_window->windowTitle(), caption({}));
    QCOMPARE(m_window->editor->document()->isEmpty(), true);
    QCOMPARE(m_window->session->path(), QString());
    QCOMPARE(statusText(), u"文字コード: UTF-8　改行: CRLF"_s);
}

// A cancelled dialog ends the command: no reload, no overwrite, no failed load.
void TestDocumentFiles::cancelledDialogsChangeNothing()
{
    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    insertAtStart(m_window->editor, u"編集"_s);
    const QString edited = PageText(m_window->editor, PageText::Form::Editor).all();

    QVERIFY(!m_window->files->openDocument());
    QVERIFY(!m_window->files->saveDocument());

    QCOMPARE(m_dialogs.offeredOpen, QStringList{path});
    QCOMPARE(m_dialogs.offeredSave, QStringList{path});
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), edited);
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(m_window->dialog->fileName(), path);
    QVERIFY(m_prompts.errors.isEmpty());
    QVERIFY(m_prompts.saveQuestions.isEmpty());
}

void TestDocumentFiles::refusesToOpen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("createFile");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("special");

    QTest::addRow("a picture") << fixture(u"not_text.png"_s) << true << u"テキストファイルではありません"_s << QString();
    QTest::addRow("bytes in no supported encoding") << QByteArray("<P>\x80\xff</P>") << true
                                                     << u"どれとしても正しく読めません"_s << QString();
    QTest::addRow("a UTF-8 BOM before Shift_JIS") << QByteArray("\xef\xbb\xbf\x82\xa0") << true
                                                  << u"UTF-8 として正しくありません"_s << QString();
    QTest::addRow("a missing file") << QByteArray() << false << u"ファイルが見つかりません"_s << QString();
    QTest::addRow("a file of /proc that stat calls empty and that never ends")
        << QByteArray() << false << u"大きすぎます"_s << u"/proc/self/pagemap"_s;
    QTest::addRow("a pipe another program fills for ever") << QByteArray() << false << u"通常のファイルではありません"_s
                                                          << u"fifo"_s;
}

// The document, caption and FileName stay; the message names the file and why.
void TestDocumentFiles::refusesToOpen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, createFile);
    QFETCH(QString, reason);
    QFETCH(QString, special);

    const QString current = copyOfFixture(u"eucjp_lf.html"_s);
    QVERIFY(m_window->files->openPath(current));
    insertAtStart(m_window->editor, u"編集"_s);
    const QString edited = PageText(m_window->editor, PageText::Form::Editor).all();
    const QString status = statusText();

    QString path = m_dir->filePath(u"refused.html"_s);
    if (createFile)
        writeBytes(path, bytes);
    QProcess filler;
    if (special == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        filler.start(u"sh"_s, {u"-c"_s, u"exec yes > \"$0\""_s, path});
        QVERIFY(filler.waitForStarted());
    } else if (!special.isEmpty()) {
        path = special;
    }
    const auto stopFiller = qScopeGuard([&] {
        filler.kill();
        filler.waitForFinished();
    });
    m_dialogs.opens << path;
    QVERIFY(!m_window->files->openDocument());

    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY2(m_prompts.errors[0].contains(path), qPrintable(m_prompts.errors[0]));
    QVERIFY2(m_prompts.errors[0].contains(reason), qPrintable(m_prompts.errors[0]));
    QVERIFY(m_prompts.saveQuestions.isEmpty());
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), edited);
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->windowTitle(), caption(current));
    QCOMPARE(m_window->dialog->fileName(), current);
    QCOMPARE(m_window->session->path(), current);
    QCOMPARE(statusText(), status);
}

void TestDocumentFiles::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("sizeLimit");

    QTest::addRow("into a missing folder") << "missing/page.html" << u"見つかりません"_s << false;
    QTest::addRow("onto a folder") << "folder" << u"フォルダーです"_s << false;
    QTest::addRow("past the file size limit, as on a full disk") << "sjis_crlf.html" << u"上限を超えました"_s << true;
}

// What a failed save leaves: the old file, the document still unsaved, caption
// and FileName as they were, and a message naming the file and the reason.
void TestDocumentFiles::failedSaveKeepsEverything()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QFETCH(bool, sizeLimit);

    const QString opened = copyOfFixture(u"sjis_crlf.html"_s);
    const QByteArray bytes = readBytes(opened);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    QVERIFY(m_window->files->openPath(opened));
    insertAtStart(m_window->editor, pageMarkup());
    const QString path = m_dir->filePath(target);
    m_dialogs.saves << path;

    struct Outcome {
        bool saved;
        QStringList errors;
        QString title;
        QString fileName;
        bool modified;
        QString sessionPath;
    };
    const auto save = [&] {
        const bool saved = m_window->files->saveDocument();
        return Outcome{saved, m_prompts.errors, m_window->windowTitle(), m_window->dialog->fileName(),
                       m_window->isWindowModified(), m_window->session->path()};
    };
    Outcome outcome;
    if (!sizeLimit) {
        outcome = save();
    } else {
        // A file size limit fails the write the way a full disk does; it is
        // set in a child process so that nothing else of the tests feels it.
        int pipeEnds[2];
        QCOMPARE(pipe(pipeEnds), 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            close(pipeEnds[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, 64};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Outcome seen = save();
            QByteArray report;
            QDataStream out(&report, QIODevice::WriteOnly);
            out << seen.saved << seen.errors << seen.title << seen.fileName << seen.modified << seen.sessionPath;
            const bool sent = write(pipeEnds[1], report.constData(), size_t(report.size())) == report.size();
            _exit(sent ? 0 : 1);
        }
        close(pipeEnds[1]);
        QByteArray report;
        char buffer[4096];
        for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, n);
        close(pipeEnds[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QDataStream in(report);
        in >> outcome.saved >> outcome.errors >> outcome.title >> outcome.fileName >> outcome.modified >> outcome.sessionPath;
        QCOMPARE(in.status(), QDataStream::Ok);
    }

    QVERIFY(!outcome.saved);
    QCOMPARE(readBytes(opened), bytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"sjis_crlf.html"_s});
    QCOMPARE(outcome.errors.size(), 1);
    QVERIFY2(outcome.errors[0].contains(path), qPrintable(outcome.errors[0]));
    QVERIFY2(outcome.errors[0].contains(reason), qPrintable(outcome.errors[0]));
    QCOMPARE(outcome.title, caption(opened));
    QCOMPARE(outcome.fileName, opened);
    QVERIFY(outcome.modified);
    QCOMPARE(outcome.sessionPath, opened);
}

void TestDocumentFiles::offersUtf8ForUnencodable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("declared");

    QTest::addRow("Shift_JIS page, the offer cancelled") << "sjis_crlf.html" << false << "Shift_JIS" << false;
    QTest::addRow("Shift_JIS page, saved as UTF-8") << "sjis_crlf.html" << true << "Shift_JIS" << false;
    QTest::addRow("EUC-JP page with a charset declaration, which the offer mentions")
        << "eucjp_meta.html" << true << "EUC-JP" << true;
}

// Nothing is written before the answer, never a '?' for the emoji: either
// nothing at all, or the whole page in UTF-8 with its own line ends.
void TestDocumentFiles::offersUtf8ForUnencodable()
{
    QFETCH(QString, file);
    QFETCH(bool, answer);
    QFETCH(QString, encoding);
    QFETCH(bool, declared);

    const QString path = copyOfFixture(file);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    const TextFormat format = m_window->session->format();
    QTextCursor cursor = m_window->editor->textCursor();
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    m_window->editor->setTextCursor(cursor);
    m_window->editor->setSelText(u"😀"_s);
    const QString text = PageText(m_window->editor, PageText::Form::Editor).all();
    const qsizetype column = text.section(u'\n', 1, 1).size() - 1;

    m_dialogs.saves << path;
    m_prompts.utf8Answer = answer;
    QByteArray whileAsked;
    m_prompts.whileAsked = [&] { whileAsked = readBytes(path); };
    QCOMPARE(m_window->files->saveDocument(), answer);

    QCOMPARE(whileAsked, bytes);
    QCOMPARE(m_prompts.utf8Questions.size(), 1);
    const QString question = m_prompts.utf8Questions[0];
    QVERIFY2(question.contains(u"2 行 %1 文字目：「😀」（U+1F600）"_s.arg(column)), qPrintable(question));
    QVERIFY2(question.contains(encoding), qPrintable(question));
    QCOMPARE(question.contains(u"meta charset"_s), declared);
    if (!answer) {
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(m_window->isWindowModified());
        QVERIFY(m_window->session->format() == format);
        QVERIFY(m_window->session->diskBytes() == bytes);
        return;
    }
    QCOMPARE(readBytes(path), withLineEnds(text, format.lineEnd).toUtf8());
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->session->format().encoding, TextEncoding::Utf8);
    QCOMPARE(statusText(), u"文字コード: UTF-8　改行: "_s + lineEndName(format.lineEnd));
    QCOMPARE(m_window->session->path(), path);
}

// A pasted NUL would make a file the program refuses to open: the save is
// refused where it stands, in any encoding, and the file stays as it was.
void TestDocumentFiles::refusesToSaveNul()
{
    const QString path = copyOfFixture(u"utf8_lf.html"_s);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    QTextCursor cursor = m_window->editor->textCursor();
    cursor.movePosition(QTextCursor::NextBlock);
    m_window->editor->setTextCursor(cursor);
    m_window->editor->setSelText(u"a"_s + QChar(0));

    m_dialogs.saves << path;
    QVERIFY(!m_window->files->saveDocument());
    QVERIFY(m_prompts.utf8Questions.isEmpty());
    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY2(m_prompts.errors[0].contains(u"2 行 2 文字目：U+0000"_s), qPrintable(m_prompts.errors[0]));
    QCOMPARE(readBytes(path), bytes);
    QVERIFY(m_window->isWindowModified());
}

void TestDocumentFiles::writesTypedJisVariants_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QByteArray>("written");

    const struct {
        const char *file;
        TextEncoding encoding;
    } pages[] = {
        {"sjis_crlf.html", TextEncoding::ShiftJis},
        {"eucjp_lf.html", TextEncoding::EucJp},
        {"iso2022jp_crlf.txt", TextEncoding::Iso2022Jp},
    };
    for (const auto &page : pages) {
        for (const JisVariantCode &variant : jisVariantCodes) {
            const QByteArray written = variant.bytes(page.encoding);
            for (const QChar typed : {QChar(variant.typed), QChar(variant.read)}) {
                QTest::addRow("%s: %s U+%04X", page.file, qPrintable(QString(typed)), typed.unicode())
                    << QString::fromLatin1(page.file) << typed << written;
            }
        }
    }
}

// Typed at the top of a Japanese page and saved with the save command, each
// character of the six pairs is written as its pair's code, with no question;
// the rest of the page keeps its bytes.
void TestDocumentFiles::writesTypedJisVariants()
{
    QFETCH(QString, file);
    QFETCH(QChar, typed);
    QFETCH(QByteArray, written);

    const QString path = copyOfFixture(file);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    commitFromInputMethod(m_window->editor, QString(typed));
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all().first(1), QString(typed));
    QVERIFY(m_window->isWindowModified());

    m_dialogs.saves << path;
    control<QAction>(m_window.get(), u"save"_s)->trigger();
    QCOMPARE(m_prompts.utf8Questions, QStringList());
    QCOMPARE(m_prompts.errors, QStringList());
    QCOMPARE(readBytes(path), written + bytes);
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->session->format(), readText(bytes).format);
}

void TestDocumentFiles::listsOnlyOthersBesideJisVariants_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("encoding");

    QTest::addRow("Shift_JIS") << "sjis_variants.html" << "Shift_JIS";
    QTest::addRow("EUC-JP") << "eucjp_variants.html" << "EUC-JP";
    QTest::addRow("ISO-2022-JP") << "iso2022jp_variants.txt" << "ISO-2022-JP";
}

// An emoji typed with all twelve characters on a page that holds them too is
// the one place the question names; refused, the page stays as it was.
void TestDocumentFiles::listsOnlyOthersBesideJisVariants()
{
    QFETCH(QString, file);
    QFETCH(QString, encoding);

    const QString path = copyOfFixture(file);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    QString typed;
    for (const JisVariantCode &variant : jisVariantCodes)
        typed += QChar(variant.typed);
    typed += u"😀"_s;
    for (const JisVariantCode &variant : jisVariantCodes)
        typed += QChar(variant.read);
    commitFromInputMethod(m_window->editor, typed);

    m_dialogs.saves << path;
    m_prompts.utf8Answer = false;
    control<QAction>(m_window.get(), u"save"_s)->trigger();
    QCOMPARE(m_prompts.utf8Questions.size(), 1);
    const QString question = m_prompts.utf8Questions[0];
    QVERIFY2(question.contains(encoding + u" で書けない文字が 1 か所あります"), qPrintable(question));
    QVERIFY2(question.contains(u"1 行 7 文字目：「😀」（U+1F600）"_s), qPrintable(question));
    QCOMPARE(question.count(u"文字目"_s), 1);
    for (const JisVariantCode &variant : jisVariantCodes) {
        QVERIFY2(!question.contains(QChar(variant.typed)), qPrintable(question));
        QVERIFY2(!question.contains(QChar(variant.read)), qPrintable(question));
    }
    QCOMPARE(readBytes(path), bytes);
    QVERIFY(m_window->isWindowModified());
}

enum class Reply { Save, SaveDialogCancelled, Discard, Cancel, NotAsked };
Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(Outside)

void TestDocumentFiles::asksAboutUnsavedChanges_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Reply>("reply");

    const struct {
        Reply reply;
        const char *name;
    } replies[] = {
        {Reply::Save, "saved"},
        {Reply::SaveDialogCancelled, "save chosen, Save dialog cancelled"},
        {Reply::Discard, "discarded"},
        {Reply::Cancel, "cancelled"},
        {Reply::NotAsked, "unchanged, no question"},
    };
    for (const char *command : {"new", "open", "exit", "close"}) {
        for (const auto &reply : replies)
            QTest::addRow("%s, %s", command, reply.name) << QString::fromLatin1(command) << reply.reply;
    }
}

void TestDocumentFiles::asksAboutUnsavedChanges()
{
    QFETCH(QString, command);
    QFETCH(Reply, reply);

    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    const QString other = copyOfFixture(u"utf8_lf.html"_s);
    const QString saved = m_dir->filePath(u"saved.html"_s);
    QVERIFY(m_window->files->openPath(path));
    if (reply != Reply::NotAsked)
        insertAtStart(m_window->editor, u"編集"_s);
    const QString before = PageText(m_window->editor, PageText::Form::Editor).all();
    if (reply == Reply::Save)
        m_prompts.saveAnswers << Answer::Save;
    if (reply == Reply::SaveDialogCancelled)
        m_prompts.saveAnswers << Answer::Save;
    if (reply == Reply::Discard)
        m_prompts.saveAnswers << Answer::Discard;
    if (reply == Reply::Cancel)
        m_prompts.saveAnswers << Answer::Cancel;
    if (reply == Reply::Save)
        m_dialogs.saves << saved;
    if (command == u"open")
        m_dialogs.opens << other;

    // The commands as the user gives them: the File menu's items, or the window's close box.
    if (command == u"close")
        m_window->close();
    else
        m_window->findChild<QAction *>(command)->trigger();

    QCOMPARE(m_prompts.saveQuestions.size(), reply == Reply::NotAsked ? 0 : 1);
    if (reply != Reply::NotAsked)
        QVERIFY2(m_prompts.saveQuestions[0].contains(path), qPrintable(m_prompts.saveQuestions[0]));
    QCOMPARE(QFile::exists(saved), reply == Reply::Save);
    if (reply == Reply::Save)
        QCOMPARE(readText(readBytes(saved)).text, before);

    const bool goesOn = reply == Reply::Save || reply == Reply::Discard || reply == Reply::NotAsked;
    QVERIFY(m_prompts.errors.isEmpty());
    if (!goesOn) {
        QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), before);
        QVERIFY(m_window->isWindowModified());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->dialog->fileName(), path);
        QCOMPARE(m_window->windowTitle(), caption(path));
        return;
    }
    if (command == u"new") {
        QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), QString());
        QCOMPARE(m_window->windowTitle(), caption({}));
        QCOMPARE(m_window->dialog->fileName(), QString());
        QVERIFY(!m_window->isWindowModified());
    } else if (command == u"open") {
        QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), readText(readBytes(other)).text);
        QCOMPARE(m_window->windowTitle(), caption(other));
        QVERIFY(!m_window->isWindowModified());
    } else {
        QVERIFY(!m_window->isVisible());
    }
}

// Random and damaged files, opened and saved through the commands: each is
// refused with one message and the document kept, or written back as it was.
void TestDocumentFiles::survivesRandomFiles()
{
    const QList<QByteArray> seeds{fixture(u"sjis_crlf.html"_s), fixture(u"eucjp_lf.html"_s),
                                  fixture(u"iso2022jp_crlf.txt"_s), fixture(u"utf8_lf.html"_s),
                                  fixture(u"utf16le_bom_crlf.txt"_s)};
    static const QByteArrayView inserts[] = {"\x81", "\xe0", "\x8e", "\x8f", "\x80", "\r", "\n", "\x1b$B", "\x1b(I",
                                             "\xef\xbb\xbf", "\xff\xfe", "\xe2\x80\xa9", "\xef\xb7\x90", "\xef\xb7\x91",
                                             "\xe2\x80\xa8", "\xc2\xa0", "\r\n"};
    const QString input = m_dir->filePath(u"input.html"_s);
    const QString output = m_dir->filePath(u"output.html"_s);
    QRandomGenerator random(77031);
    int opened = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = seeds[random.bounded(int(seeds.size()))];
        if (round % 5 == 0) {
            bytes.resize(random.bounded(40));
            for (char &b : bytes)
                b = char(random.bounded(256));
        }
        for (int edits = random.bounded(4); edits > 0; --edits) {
            const qsizetype at = random.bounded(int(bytes.size()) + 1);
            const int what = random.bounded(5);
            if (what == 0)
                bytes.truncate(at);
            else if (what == 1)
                bytes.insert(at, '\0');
            else if (what == 2 && at < bytes.size())
                bytes[at] = char(random.bounded(256));
            else
                bytes.insert(at, inserts[random.bounded(int(std::size(inserts)))]);
        }
        writeBytes(input, bytes);
        m_prompts.errors.clear();
        const QString before = PageText(m_window->editor, PageText::Form::Editor).all();
        if (!m_window->files->openPath(input)) {
            QVERIFY2(m_prompts.errors.size() == 1, bytes.toHex(' ').constData());
            QVERIFY2(PageText(m_window->editor, PageText::Form::Editor).all() == before, bytes.toHex(' ').constData());
            continue;
        }
        ++opened;
        m_dialogs.saves << output;
        QVERIFY2(m_window->files->saveDocument(), bytes.toHex(' ').constData());
        QVERIFY2(readBytes(output) == bytes, bytes.toHex(' ').constData());
    }
    QVERIFY(opened > 200);
    QVERIFY(opened < 1800);
}

void TestDocumentFiles::clickWhenShown(const QString &caption, QStringList *captions)
{
    QMetaObject::invokeMethod(
        this,
        [caption, captions] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QAbstractButton *chosen = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                *captions << button->text();
                if (button->text() == caption)
                    chosen = button;
            }
            if (chosen)
                chosen->click();
            else
                box->reject();
        },
        Qt::QueuedConnection);
}

void TestDocumentFiles::realQuestionButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("saveDialogs");

    QTest::addRow("保存しない discards") << u"保存しない"_s << false << 0;
    QTest::addRow("キャンセル keeps") << u"キャンセル"_s << true << 0;
    QTest::addRow("保存する saves first: its cancelled dialog keeps") << u"保存する"_s << true << 1;
}

// The real message box: Japanese buttons, each giving its answer.
void TestDocumentFiles::realQuestionButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, kept);
    QFETCH(int, saveDialogs);

    Window window;
    window.dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    window.show();
    window.editor->setSelText(u"編集"_s);
    QStringList captions;
    clickWhenShown(button, &captions);
    window.files->newDocument();

    captions.sort();
    QStringList expected{u"保存する"_s, u"保存しない"_s, u"キャンセル"_s};
    expected.sort();
    QCOMPARE(captions, expected);
    QCOMPARE(PageText(window.editor, PageText::Form::Editor).all(), kept ? u"編集"_s : QString());
    QCOMPARE(m_dialogs.offeredSave.size(), saveDialogs);
}

void TestDocumentFiles::realErrorMessage()
{
    Window window;
    window.show();
    const QString missing = m_dir->filePath(u"missing.html"_s);
    QStringList captions;
    clickWhenShown(u"OK"_s, &captions);
    QVERIFY(!window.files->openPath(missing));
    QCOMPARE(captions, QStringList{u"OK"_s});
}

// New and Open fill the editor's one document: a highlighter attached to it
// at start colours every page, and typing goes on being coloured.
void TestDocumentFiles::highlighterSurvivesNewAndOpen()
{
    QTextDocument *document = m_window->editor->document();
    auto *highlighter = new TagHighlighter(document);
    QSignalSpy changes(document, &QTextDocument::contentsChanged);
    const QString path = copyOfFixture(u"utf8_lf.html"_s);
    const QString firstLine = readText(fixture(u"utf8_lf.html"_s)).text.section(u'\n', 0, 0);
    QVERIFY(!tagStarts(firstLine).isEmpty());

    QVERIFY(m_window->files->openPath(path));
    QCOMPARE(m_window->editor->document(), document);
    QCOMPARE(highlighter->document(), document);
    QVERIFY(changes.count() > 0);
    QCOMPARE(colouredInFirstLine(document), tagStarts(firstLine));

    m_window->files->newDocument();
    QCOMPARE(m_window->editor->document(), document);
    QVERIFY(document->isEmpty());
    insertAtStart(m_window->editor, u"a<b>"_s);
    QCOMPARE(colouredInFirstLine(document), QList<int>{1});
    m_window->editor->document()->setModified(false);

    m_dialogs.opens << path;
    QVERIFY(m_window->files->openDocument());
    QCOMPARE(m_window->editor->document(), document);
    QCOMPARE(colouredInFirstLine(document), tagStarts(firstLine));
    QVERIFY(!document->isUndoAvailable());
    QVERIFY(!m_window->isWindowModified());
}

void TestDocumentFiles::changedOnDisk_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<Outside>("how");
    QTest::addColumn<bool>("reload");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<bool>("asked");

    QTest::addRow("unedited, rewritten, read again; the save then asks nothing")
        << false << Outside::Rewrite << true << false << true;
    QTest::addRow("unedited, rewritten, left as it is; the save asks, cancelled")
        << false << Outside::Rewrite << false << false << true;
    QTest::addRow("unedited, replaced by a rename, left as it is; the save asks, overwritten")
        << false << Outside::RenameOver << false << true << true;
    QTest::addRow("edited, rewritten, read again: the edits are dropped")
        << true << Outside::Rewrite << true << false << true;
    QTest::addRow("edited, rewritten, edits kept; the save asks, cancelled")
        << true << Outside::Rewrite << false << false << true;
    QTest::addRow("edited, replaced by a rename, edits kept; the save asks, overwritten")
        << true << Outside::RenameOver << false << true << true;
    QTest::addRow("edited, only touched: no question, the save writes")
        << true << Outside::Touch << false << false << false;
}

// Another program changes the open Shift_JIS page into an EUC-JP one. The
// user is asked once, however often the window is activated; reading again
// detects the new encoding; a save over the changed file asks first, and
// nothing is written without its answer.
void TestDocumentFiles::changedOnDisk()
{
    QFETCH(bool, edited);
    QFETCH(Outside, how);
    QFETCH(bool, reload);
    QFETCH(bool, overwrite);
    QFETCH(bool, asked);

    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    QVERIFY(m_window->files->openPath(path));
    if (edited)
        insertAtStart(m_window->editor, u"編集"_s);
    const QString ours = PageText(m_window->editor, PageText::Form::Editor).all();
    const QByteArray theirs = fixture(u"eucjp_lf.html"_s);
    changeOutside(path, how, how == Outside::Touch ? fixture(u"sjis_crlf.html"_s) : theirs);
    const QByteArray onDisk = readBytes(path);

    m_prompts.reloadAnswers << reload;
    activate(m_window.get());
    activate(m_window.get());
    m_window->session->checkDisk();

    QCOMPARE(m_prompts.reloadQuestions.size(), asked ? 1 : 0);
    const bool reloaded = asked && reload;
    if (asked) {
        QVERIFY2(m_prompts.reloadQuestions[0].contains(path), qPrintable(m_prompts.reloadQuestions[0]));
        QCOMPARE(m_prompts.reloadQuestions[0].contains(u"失われます"_s), edited);
    }
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), reloaded ? readText(theirs).text : ours);
    QCOMPARE(m_window->isWindowModified(), edited && !reloaded);
    QCOMPARE(statusText(), reloaded ? u"文字コード: EUC-JP　改行: LF"_s : u"文字コード: Shift_JIS　改行: CRLF"_s);
    QCOMPARE(m_window->session->path(), path);

    m_dialogs.saves << path;
    m_prompts.overwriteAnswer = overwrite;
    const bool writes = !asked || reloaded || overwrite;
    QCOMPARE(m_window->files->saveDocument(), writes);
    QCOMPARE(m_prompts.overwriteQuestions.size(), asked && !reloaded ? 1 : 0);
    if (!m_prompts.overwriteQuestions.isEmpty())
        QVERIFY2(m_prompts.overwriteQuestions[0].contains(path), qPrintable(m_prompts.overwriteQuestions[0]));
    if (writes)
        QCOMPARE(readText(readBytes(path)).text, PageText(m_window->editor, PageText::Form::Editor).all());
    else
        QCOMPARE(readBytes(path), onDisk);
    QCOMPARE(m_window->isWindowModified(), !writes && edited);

    // Our own save is no change on disk; nor is a look at the unchanged file.
    m_window->session->checkDisk();
    QCOMPARE(m_prompts.reloadQuestions.size(), asked ? 1 : 0);
    QVERIFY(m_prompts.errors.isEmpty());
    QVERIFY(m_prompts.warnings.isEmpty());
}

void TestDocumentFiles::deletedOnDisk_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addRow("unedited page") << false;
    QTest::addRow("edited page") << true;
}

// The user is told once; the page now exists only in the window, so it is
// marked unsaved and closing asks; Save writes the file anew without the
// question about overwriting.
void TestDocumentFiles::deletedOnDisk()
{
    QFETCH(bool, edited);

    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    const QByteArray bytes = readBytes(path);
    QVERIFY(m_window->files->openPath(path));
    if (edited)
        insertAtStart(m_window->editor, u"編集"_s);
    QVERIFY(QFile::remove(path));

    activate(m_window.get());
    activate(m_window.get());
    QCOMPARE(m_prompts.warnings.size(), 1);
    QVERIFY2(m_prompts.warnings[0].contains(path), qPrintable(m_prompts.warnings[0]));
    QVERIFY2(m_prompts.warnings[0].contains(u"削除"_s), qPrintable(m_prompts.warnings[0]));
    QVERIFY(m_prompts.reloadQuestions.isEmpty());
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->session->path(), path);

    m_dialogs.saves << path;
    QVERIFY(m_window->files->saveDocument());
    QVERIFY(m_prompts.overwriteQuestions.isEmpty());
    if (!edited)
        QCOMPARE(readBytes(path), bytes);
    QCOMPARE(readText(readBytes(path)).text, PageText(m_window->editor, PageText::Form::Editor).all());
    QVERIFY(!m_window->isWindowModified());
    activate(m_window.get());
    QCOMPARE(m_prompts.warnings.size(), 1);
}

// While the user works in the window: the file watcher notices another
// program's change, also after that program replaced the file by renaming a
// new one over it, and notices when it is deleted. Our own save raises nothing.
void TestDocumentFiles::watcherNoticesOtherPrograms()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    QVERIFY(m_window->files->openPath(path));
    QSignalSpy changes(m_window->session, &DocumentSession::changedOnDisk);

    changeOutside(path, Outside::RenameOver, fixture(u"eucjp_lf.html"_s));
    QTRY_COMPARE(m_prompts.reloadQuestions.size(), 1);
    changeOutside(path, Outside::RenameOver, fixture(u"utf8_lf.html"_s));
    QTRY_COMPARE(m_prompts.reloadQuestions.size(), 2);
    changeOutside(path, Outside::Rewrite, fixture(u"eucjp_meta.html"_s));
    m_prompts.reloadAnswers << true;
    QTRY_COMPARE(m_prompts.reloadQuestions.size(), 3);
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), readText(fixture(u"eucjp_meta.html"_s)).text);

    insertAtStart(m_window->editor, u"編集"_s);
    m_dialogs.saves << path;
    QVERIFY(m_window->files->saveDocument());
    changes.clear();
    QVERIFY(!changes.wait(1000));
    QCOMPARE(m_prompts.reloadQuestions.size(), 3);
    QVERIFY(m_prompts.overwriteQuestions.isEmpty());

    // While the user works in another window the question waits for their return.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    changeOutside(path, Outside::Rewrite, fixture(u"utf8_lf.html"_s));
    QVERIFY(!changes.wait(1000));
    QCOMPARE(m_prompts.reloadQuestions.size(), 3);
    m_window->activateWindow();
    QTRY_COMPARE(m_prompts.reloadQuestions.size(), 4);

    QVERIFY(QFile::remove(path));
    QTRY_COMPARE(m_prompts.warnings.size(), 1);
    QCOMPARE(m_prompts.reloadQuestions.size(), 4);
}

// Text recovered for a page: shown unsaved under the page's name, written in
// the page's format, and a question before writing over the file.
void TestDocumentFiles::restoredTextIsUnsaved()
{
    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    const QString recovered = u"<P>取り戻した文</P>\n"_s;
    const TextFormat format{TextEncoding::ShiftJis, false, LineEnd::CrLf};
    QSignalSpy replaced(m_window->session, &DocumentSession::textReplaced);
    m_window->session->restore(path, format, recovered);

    QCOMPARE(replaced.count(), 1);
    QCOMPARE(PageText(m_window->editor, PageText::Form::Editor).all(), recovered);
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->windowTitle(), caption(path));
    QCOMPARE(statusText(), u"文字コード: Shift_JIS　改行: CRLF"_s);
    QCOMPARE(m_window->dialog->fileName(), path);
    QVERIFY(!m_window->editor->document()->isUndoAvailable());

    // Unchanged since: written without a question, in Shift_JIS with CR LF.
    m_dialogs.saves << path;
    QVERIFY(m_window->files->saveDocument());
    QVERIFY(m_prompts.overwriteQuestions.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("<P>\x8e\xe6\x82\xe8\x96\xdf\x82\xb5\x82\xbd\x95\xb6</P>\r\n"));

    // Changed by another program before the save: asked, and kept when cancelled.
    m_window->session->restore(path, format, recovered + u"追加"_s);
    writeBytes(path, "<P>other</P>");
    m_dialogs.saves << path;
    QVERIFY(!m_window->files->saveDocument());
    QCOMPARE(m_prompts.overwriteQuestions.size(), 1);
    QCOMPARE(readBytes(path), QByteArray("<P>other</P>"));
}

void TestDocumentFiles::realDiskQuestionsDefault_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("reloaded");

    QTest::addRow("changed, page unedited: Enter reads it again")
        << false << false << QStringList{u"このままにする"_s, u"読み込み直す"_s} << true;
    QTest::addRow("changed, page edited: Enter keeps the edits")
        << true << false << QStringList{u"編集を残す"_s, u"読み込み直す（編集を破棄）"_s} << false;
    QTest::addRow("saving over the changed file: Enter cancels")
        << true << true << QStringList{u"キャンセル"_s, u"上書き保存する"_s} << false;
}

// The real message boxes: Japanese buttons, and Enter gives the safe answer
// where edits or another program's change would be lost.
void TestDocumentFiles::realDiskQuestionsDefault()
{
    QFETCH(bool, edited);
    QFETCH(bool, saving);
    QFETCH(QStringList, buttons);
    QFETCH(bool, reloaded);

    Window window;
    window.dialog->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    window.show();
    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    QVERIFY(window.files->openPath(path));
    if (edited)
        insertAtStart(window.editor, u"編集"_s);
    const QString before = PageText(window.editor, PageText::Form::Editor).all();
    const QByteArray theirs = fixture(u"eucjp_lf.html"_s);
    writeBytes(path, theirs);

    QStringList captions;
    QMetaObject::invokeMethod(
        this,
        [&captions] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton *button : box->buttons())
                captions << button->text();
            QTest::keyClick(box, Qt::Key_Return);
        },
        Qt::QueuedConnection);
    if (saving) {
        m_dialogs.saves << path;
        QVERIFY(!window.files->saveDocument());
    } else {
        activate(&window);
    }

    captions.sort();
    QCOMPARE(captions, buttons);
    QCOMPARE(PageText(window.editor, PageText::Form::Editor).all(), reloaded ? readText(theirs).text : before);
    QCOMPARE(readBytes(path), theirs);
}

// A change first met at a save is asked about there, not again on coming
// back to the window; each later save over it asks again until one writes.
void TestDocumentFiles::saveOverChangedFileAsksEachSave()
{
    const QString path = copyOfFixture(u"sjis_crlf.html"_s);
    QVERIFY(m_window->files->openPath(path));
    insertAtStart(m_window->editor, u"編集"_s);
    const QByteArray theirs = fixture(u"eucjp_lf.html"_s);
    writeBytes(path, theirs);

    m_dialogs.saves << path;
    QVERIFY(!m_window->files->saveDocument());
    QCOMPARE(m_prompts.overwriteQuestions.size(), 1);
    activate(m_window.get());
    QVERIFY(m_prompts.reloadQuestions.isEmpty());
    QCOMPARE(readBytes(path), theirs);

    m_dialogs.saves << path;
    m_prompts.overwriteAnswer = true;
    QVERIFY(m_window->files->saveDocument());
    QCOMPARE(m_prompts.overwriteQuestions.size(), 2);
    QCOMPARE(readText(readBytes(path)).text, PageText(m_window->editor, PageText::Form::Editor).all());
    activate(m_window.get());
    QVERIFY(m_prompts.reloadQuestions.isEmpty());
}

QTEST_MAIN(TestDocumentFiles)
#include "tst_documentfiles.moc"
