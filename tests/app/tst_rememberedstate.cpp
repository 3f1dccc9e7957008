// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "core/document/textfile.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "editor/editortext.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "scripteddialogs.h"
#include "scriptedprompts.h"
#include "testsettings.h"
#include "window/commondialog.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

using Answer = DocumentFiles::Answer;

namespace {

// One start of the program: a main window on the settings the runs before it left.
class Start : public MainWindow
{
public:
    Start()
    {
        commonDialog()->setBackend(std::make_unique<ScriptedDialogs>(&dialogs));
        documentFiles()->setBackend(std::make_unique<ScriptedPrompts>(&prompts));
        show();
    }

    QAction *action(const QString &name) const
    {
        auto *found = findChild<QAction *>(name);
        if (!found)
            qFatal("no menu item %s", qPrintable(name));
        return found;
    }

    // The recent files menu as the user reads it.
    QStringList recentCaptions() const
    {
        QStringList captions;
        for (QAction *entry : findChild<QMenu *>(u"mnuRecent"_s)->actions())
            captions << entry->text();
        return captions;
    }

    DialogScript dialogs;
    PromptScript prompts;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList entries(const QStringList &paths)
{
    QStringList captions;
    for (qsizetype i = 0; i < paths.size(); ++i)
        captions << u"&%1 "_s.arg((i + 1) % 10) + paths[i];
    return captions;
}

// What a drop of mime data on widget does, as the user's drag delivers it.
bool drop(QWidget *widget, QMimeData *data)
{
    const QPoint at = widget->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &dropped);
    return dropped.isAccepted();
}

} // namespace

class TestRememberedState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void firstStartIsTheDesignedOne();
    void fontAndWindowAcrossTwoStarts();
    void recentFilesAcrossTwoStarts();
    void recentFilesKeepTen();
    void recentFileAsksAboutUnsavedChanges();
    void fileDialogsStartInTheLastFolder();
    void droppedFile_data();
    void droppedFile();

private:
    QString page(const QString &name, const QByteArray &bytes = "<P>page</P>\r\n");

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRememberedState::initTestCase()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestRememberedState::init()
{
    useFreshSettings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestRememberedState::page(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    writeFile(path, bytes);
    return path;
}

// Untouched settings: the designed captions and font, no recent files.
void TestRememberedState::firstStartIsTheDesignedOne()
{
    Start start;
    QCOMPARE(start.action(u"FontNameset"_s)->text(), u"フォント(F)：ＭＳ　Ｐゴシック"_s);
    QCOMPARE(start.action(u"FontSizeset"_s)->text(), u"フォントサイズ(P)：10"_s);
    QCOMPARE(start.source()->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(start.source()->font().pointSizeF(), 11.25);
    QCOMPARE(start.commonDialog()->fontName(), u"ＭＳ　Ｐゴシック"_s);
    QCOMPARE(start.commonDialog()->fontSize(), 10.0);
    QVERIFY(start.recentCaptions().isEmpty());
    QVERIFY(!start.action(u"mnuRecent"_s)->isEnabled());
    QCOMPARE(start.windowTitle(), u"タグポット[*]"_s);
}

// The font chosen in the first run and the window's size are where the second starts.
void TestRememberedState::fontAndWindowAcrossTwoStarts()
{
    const QSize size(900, 640);
    QString nameCaption;
    QString sizeCaption;
    {
        Start first;
        first.dialogs.fonts << CommonDialog::Font{u"DejaVu Sans"_s, 13.5};
        first.action(u"FontNameset"_s)->trigger();
        nameCaption = first.action(u"FontNameset"_s)->text();
        sizeCaption = first.action(u"FontSizeset"_s)->text();
        QVERIFY2(nameCaption.contains(u"DejaVu Sans"_s), qPrintable(nameCaption));
        QVERIFY2(sizeCaption.endsWith(u"14"_s), qPrintable(sizeCaption));
        first.resize(size);
        QVERIFY(first.close());
    }
    Start second;
    QCOMPARE(second.action(u"FontNameset"_s)->text(), nameCaption);
    QCOMPARE(second.action(u"FontSizeset"_s)->text(), sizeCaption);
    QCOMPARE(second.source()->font().family(), u"DejaVu Sans"_s);
    QCOMPARE(second.source()->font().pointSize(), 14);
    QCOMPARE(second.size(), size);
    // The font dialog opens on the remembered font, as it would on a font just chosen.
    second.action(u"FontNameset"_s)->trigger();
    QCOMPARE(second.dialogs.offeredFonts.size(), 1);
    QCOMPARE(second.dialogs.offeredFonts[0].name, u"DejaVu Sans"_s);
    QCOMPARE(second.dialogs.offeredFonts[0].size, 13.5);
}

// Pages opened and saved in one run are in the next run's menu, newest
// first; choosing one opens it; one deleted since is said so and leaves the list.
void TestRememberedState::recentFilesAcrossTwoStarts()
{
    const QString a = page(u"a.html"_s);
    const QString b = page(u"b.html"_s);
    const QString c = page(u"c & d.html"_s);
    const QString saved = m_dir->filePath(u"saved.html"_s);
    {
        Start first;
        QVERIFY(first.documentFiles()->openPath(a));
        QVERIFY(first.documentFiles()->openPath(b));
        QVERIFY(first.documentFiles()->openPath(c));
        first.dialogs.saves << saved;
        QVERIFY(first.documentFiles()->saveDocument());
        QVERIFY(first.documentFiles()->openPath(b));
        QVERIFY(first.action(u"mnuRecent"_s)->isEnabled());
        QVERIFY(first.close());
    }
    Start second;
    QStringList expected{u"&1 "_s + b, u"&2 "_s + saved, u"&3 "_s + m_dir->filePath(u"c && d.html"_s), u"&4 "_s + a};
    QCOMPARE(second.recentCaptions(), expected);
    QVERIFY(second.action(u"mnuRecent"_s)->isEnabled());

    second.action(u"recentFile3"_s)->trigger();
    QCOMPARE(second.documentSession()->path(), c);
    QCOMPARE(second.windowTitle(), u"タグポット  - "_s + c + u"[*]");
    QCOMPARE(second.recentCaptions(), entries({m_dir->filePath(u"c && d.html"_s), b, saved, a}));

    QVERIFY(QFile::remove(a));
    second.action(u"recentFile4"_s)->trigger();
    QCOMPARE(second.prompts.errors.size(), 1);
    QVERIFY2(second.prompts.errors[0].contains(a), qPrintable(second.prompts.errors[0]));
    QVERIFY2(second.prompts.errors[0].contains(u"見つかりません"_s), qPrintable(second.prompts.errors[0]));
    QCOMPARE(second.documentSession()->path(), c);
    QCOMPARE(second.recentCaptions(), entries({m_dir->filePath(u"c && d.html"_s), b, saved}));
    QVERIFY(second.prompts.saveQuestions.isEmpty());
}

void TestRememberedState::recentFilesKeepTen()
{
    Start start;
    QStringList opened;
    for (int n = 1; n <= 12; ++n) {
        opened.prepend(page(u"page%1.html"_s.arg(n)));
        QVERIFY(start.documentFiles()->openPath(opened.first()));
    }
    QCOMPARE(start.recentCaptions(), entries(opened.first(10)));
    QCOMPARE(start.recentCaptions().last(), u"&0 "_s + opened[9]);
}

// A recent page replaces the document as Open does: the unsaved changes first.
void TestRememberedState::recentFileAsksAboutUnsavedChanges()
{
    Start start;
    const QString first = page(u"first.html"_s);
    const QString second = page(u"second.html"_s);
    QVERIFY(start.documentFiles()->openPath(second));
    QVERIFY(start.documentFiles()->openPath(first));
    start.source()->setSelText(u"編集"_s);
    const QString edited = PageText(start.source(), PageText::Form::Editor).all();

    start.prompts.saveAnswers << Answer::Cancel;
    start.action(u"recentFile2"_s)->trigger();
    QCOMPARE(start.prompts.saveQuestions.size(), 1);
    QCOMPARE(PageText(start.source(), PageText::Form::Editor).all(), edited);
    QCOMPARE(start.documentSession()->path(), first);

    start.prompts.saveAnswers << Answer::Discard;
    start.action(u"recentFile2"_s)->trigger();
    QCOMPARE(start.prompts.saveQuestions.size(), 2);
    QCOMPARE(start.documentSession()->path(), second);
    QVERIFY(!start.isWindowModified());
}

// The real Open dialog: with no name to offer it starts in the folder the
// last dialog of an earlier run ended in.
void TestRememberedState::fileDialogsStartInTheLastFolder()
{
    const QString chosen = page(u"chosen.html"_s);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QString startedIn;
    const auto answerDialog = [&](const QString &file) {
        QMetaObject::invokeMethod(
            this,
            [&, file] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                startedIn = dialog->directory().absolutePath();
                if (file.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(file);
                static_cast<QDialog *>(dialog)->accept();
            },
            Qt::QueuedConnection);
    };
    {
        MainWindow first;
        first.show();
        answerDialog(chosen);
        QVERIFY(first.commonDialog()->showOpen());
        QCOMPARE(first.commonDialog()->fileName(), chosen);
        QVERIFY(startedIn != QDir(m_dir->path()).absolutePath());
    }
    // Qt's file dialog remembers a folder of its own, but only within one
    // process: a dialog of another program part leaves it elsewhere.
    {
        QFileDialog other;
        other.setOption(QFileDialog::DontUseNativeDialog);
        answerDialog(elsewhere.filePath(u"other.txt"_s));
        QCOMPARE(other.exec(), int(QDialog::Accepted));
    }
    MainWindow second;
    second.show();
    QCOMPARE(second.commonDialog()->fileName(), QString());
    answerDialog(QString());
    QVERIFY(!second.commonDialog()->showOpen());
    QCOMPARE(startedIn, QDir(m_dir->path()).absolutePath());
}

void TestRememberedState::droppedFile_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opened");

    QTest::addRow("unedited page: the dropped file opens") << false << Answer::Cancel << true;
    QTest::addRow("edited page, question cancelled: the page stays") << true << Answer::Cancel << false;
    QTest::addRow("edited page, edits discarded: the dropped file opens") << true << Answer::Discard << true;
}

// A file dropped on the editor opens, after the question about unsaved
// changes; it is not typed into the page as its name.
void TestRememberedState::droppedFile()
{
    QFETCH(bool, edited);
    QFETCH(Answer, answer);
    QFETCH(bool, opened);

    Start start;
    const QString dropped = page(u"dropped.html"_s, "<P>dropped</P>\r\n");
    if (edited)
        start.source()->setSelText(u"編集"_s);
    const QString before = PageText(start.source(), PageText::Form::Editor).all();
    start.prompts.saveAnswers << answer;

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dropped)});
    data.setText(QUrl::fromLocalFile(dropped).toString());
    QVERIFY(drop(start.source()->viewport(), &data));
    QTRY_COMPARE(start.prompts.saveQuestions.size() + int(start.documentSession()->path() == dropped),
                 (edited ? 1 : 0) + (opened ? 1 : 0));

    QCOMPARE(start.documentSession()->path(), opened ? dropped : QString());
    QCOMPARE(PageText(start.source(), PageText::Form::Editor).all(), opened ? u"<P>dropped</P>\n"_s : before);
    QCOMPARE(start.isWindowModified(), !opened);
    QVERIFY(start.prompts.errors.isEmpty());
}

QTEST_MAIN(TestRememberedState)
#include "tst_rememberedstate.moc"
