// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "core/document/nativepath.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Messages {
    QStringList errors;
    QStringList warnings;
};

class RecordedPrompts : public DocumentFiles::Backend
{
public:
    explicit RecordedPrompts(Messages *messages) : m_messages(messages) {}
    DocumentFiles::Answer askToSave(QWidget *, const QString &) override { return DocumentFiles::Answer::Cancel; }
    bool askToSaveAsUtf8(QWidget *, const QString &) override { return false; }
    bool askToReload(QWidget *, const QString &, bool) override { return false; }
    bool askToOverwrite(QWidget *, const QString &) override { return false; }
    void showError(QWidget *, const QString &message) override { m_messages->errors << message; }
    void showWarning(QWidget *, const QString &message) override { m_messages->warnings << message; }

private:
    Messages *m_messages;
};

QByteArray readNative(const QByteArray &name)
{
    QByteArray bytes;
    const int fd = ::open(name.constData(), O_RDONLY);
    if (fd < 0)
        return "(unreadable)";
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

bool writeNative(const QByteArray &name, const QByteArray &bytes)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return ok;
}

void typeAtStart(SourceEditor *editor, const QString &text)
{
    QTextCursor cursor(editor->document());
    editor->setTextCursor(cursor);
    editor->setSelText(text);
}

} // namespace

class TestNamesAndCharacters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void separatorsSurviveAnEditedSave_data();
    void separatorsSurviveAnEditedSave();
    void newPageKeepsNoStandIns();
    void nameThatIsNotUtf8_data();
    void nameThatIsNotUtf8();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    DialogScript m_dialogs;
    Messages m_messages;
};

void TestNamesAndCharacters::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestNamesAndCharacters::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = {};
    m_messages = {};
    m_window = std::make_unique<MainWindow>();
    m_window->commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&m_dialogs));
    m_window->documentFiles()->setBackend(std::make_unique<RecordedPrompts>(&m_messages));
    m_window->show();
}

void TestNamesAndCharacters::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestNamesAndCharacters::separatorsSurviveAnEditedSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("warned");

    // UTF-8: U+2029 E2 80 A9, U+2028 E2 80 A8, U+FDD0 EF B7 90, U+FDD1 EF B7 91.
    QTest::addRow("a paragraph separator, UTF-8") << QByteArray("<p>a\xE2\x80\xA9z</p>\r\n") << true;
    QTest::addRow("a line separator, UTF-8, held as it is") << QByteArray("<p>a\xE2\x80\xA8z</p>\r\n") << false;
    QTest::addRow("the noncharacters U+FDD0 and U+FDD1, UTF-8")
        << QByteArray("<p>\xEF\xB7\x90x\xEF\xB7\x91</p>\n") << true;
    QTest::addRow("all four between line ends, UTF-16LE with BOM")
        << QByteArray("\xFF\xFE<\0p\0>\0)\x20\r\0\n\0(\x20\xD0\xFD\r\0\n\0\xD1\xFD", 24) << true;
}

// Opened, edited and saved: every character of the file comes back as it
// was; those the editor cannot show are named in a warning when opening.
void TestNamesAndCharacters::separatorsSurviveAnEditedSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, warned);

    const QString page = m_dir->filePath(u"page.html"_s);
    QVERIFY(writeNative(QFile::encodeName(page), bytes));
    QVERIFY(m_window->documentFiles()->openPath(page));
    QCOMPARE(m_messages.warnings.size(), warned ? 1 : 0);
    if (warned)
        QVERIFY2(m_messages.warnings[0].contains(u"元の文字のまま"_s), qPrintable(m_messages.warnings[0]));

    typeAtStart(m_window->source(), u"X"_s);
    m_dialogs.saves << page;
    QVERIFY(m_window->documentFiles()->saveDocument());
    QVERIFY(m_messages.errors.isEmpty());
    const QByteArray saved = readNative(QFile::encodeName(page));
    if (bytes.startsWith("\xFF\xFE"))
        QCOMPARE(saved, QByteArray("\xFF\xFEX\0", 4) + bytes.mid(2));
    else
        QCOMPARE(saved, "X" + bytes);
}

// The stand-ins belong to the page they were put in for: a new page after it
// writes what it holds, U+FDD2 included.
void TestNamesAndCharacters::newPageKeepsNoStandIns()
{
    const QString page = m_dir->filePath(u"page.html"_s);
    QVERIFY(writeNative(QFile::encodeName(page), QByteArray("<p>a\xE2\x80\xA9z</p>\n")));
    QVERIFY(m_window->documentFiles()->openPath(page));
    QVERIFY(m_window->source()->holdsStandIns());

    m_window->documentFiles()->newDocument();
    QVERIFY(!m_window->source()->holdsStandIns());
    typeAtStart(m_window->source(), QString(QChar(0xFDD2)));
    const QString fresh = m_dir->filePath(u"fresh.html"_s);
    m_dialogs.saves << fresh;
    QVERIFY(m_window->documentFiles()->saveDocument());
    QCOMPARE(readNative(QFile::encodeName(fresh)), QByteArray("\xEF\xB7\x92"));
}

void TestNamesAndCharacters::nameThatIsNotUtf8_data()
{
    QTest::addColumn<bool>("asQtGivesIt");

    QTest::addRow("the name as its bytes, as the command line gives it") << false;
    QTest::addRow("the name as Qt's file dialog gives it, U+FFFD for each foreign byte") << true;
}

// A Shift_JIS-named file opens, shows its name readably, and an edited save
// writes the file of that very name: no second file appears.
void TestNamesAndCharacters::nameThatIsNotUtf8()
{
    QFETCH(bool, asQtGivesIt);

    const QByteArray native = QFile::encodeName(m_dir->path()) + "/\x95\x5C\x8E\xA6.html"; // 表示 in Shift_JIS
    QVERIFY(writeNative(native, "<p>old</p>\r\n"));
    const auto removeFile = qScopeGuard([&] { ::unlink(native.constData()); });
    const QString given = asQtGivesIt ? QFile::decodeName(native) : pathFromNative(native);

    m_dialogs.opens << given;
    QVERIFY(m_window->documentFiles()->openDocument());
    QVERIFY2(m_messages.errors.isEmpty(), qPrintable(m_messages.errors.join(u'\n')));
    QCOMPARE(nativePath(m_window->documentSession()->path()), native);
    QVERIFY(m_window->windowTitle().contains(displayedPath(pathFromNative(native))));

    typeAtStart(m_window->source(), u"<!-- 追加 -->\n"_s);
    m_dialogs.saves << (asQtGivesIt ? QFile::decodeName(native) : m_window->commonDialog()->fileName());
    QVERIFY(m_window->documentFiles()->saveDocument());
    QVERIFY2(m_messages.errors.isEmpty(), qPrintable(m_messages.errors.join(u'\n')));
    QCOMPARE(readNative(native), QByteArray("<!-- 追加 -->\r\n<p>old</p>\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList()); // Qt cannot list the name; nothing else was made
}

QTEST_MAIN(TestNamesAndCharacters)
#include "tst_namesandcharacters.moc"
