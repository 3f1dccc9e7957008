// SPDX-License-Identifier: GPL-3.0-or-later
// Opens and saves a 50 MB Shift_JIS CRLF page and a 50 MB UTF-8 page through
// the document commands, and times iconv on the same files for comparison.
#include "core/document/textfile.h"
#include "document/documentfiles.h"
#include "document/documentsession.h"
#include "editor/editortext.h"
#include "editor/pagefiller.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "window/commondialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype pageBytes = 50'000'000;

class SaveTo : public CommonDialog::Backend
{
public:
    explicit SaveTo(QString path) : m_path(std::move(path)) {}
    std::optional<QString> openFile(QWidget *, const QString &, const QStringList &) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget *, const QString &, const QStringList &) override { return m_path; }
    std::optional<CommonDialog::Font> font(QWidget *, const CommonDialog::Font &) override { return std::nullopt; }
    std::optional<QColor> color(QWidget *, const QColor &) override { return std::nullopt; }

private:
    QString m_path;
};

class NoQuestions : public DocumentFiles::Backend
{
public:
    DocumentFiles::Answer askToSave(QWidget *, const QString &) override { return DocumentFiles::Answer::Discard; }
    bool askToSaveAsUtf8(QWidget *, const QString &) override { return false; }
    void showError(QWidget *, const QString &message) override { std::fprintf(stderr, "error: %s\n", qPrintable(message)); }
    bool askToReload(QWidget *, const QString &, bool) override { return false; }
    bool askToOverwrite(QWidget *, const QString &) override { return false; }
    void showWarning(QWidget *, const QString &message) override { std::fprintf(stderr, "warning: %s\n", qPrintable(message)); }
};

// A hand-written page of markup, hiragana, kanji, katakana, half-width
// katakana and NEC specials, with about the given number of characters.
QString page(qsizetype characters)
{
    const QString lines[] = {
        u"<P>第%1段落：ひらがなとカタカナ、漢字の混じった日本語の文章です。ﾊﾝｶｸｶﾀｶﾅも①㈱も。</P>"_s,
        u"<TABLE border='1' width='100%'><TR><TD align='center'>セル %1</TD><TD>表示とソース</TD></TR></TABLE>"_s,
        u"<A href='page%1.html'>次のページへ</A><BR>"_s,
        u"<!-- %1 -->"_s,
        u"<FONT color='#FF0000' size='3'>赤い文字 %1</FONT>"_s,
    };
    QString text = u"<HTML><HEAD><TITLE>ベンチマーク</TITLE></HEAD>\n<BODY>\n"_s;
    text.reserve(characters + 1000);
    for (int n = 0; text.size() < characters; ++n)
        text += lines[n % std::size(lines)].arg(n) + u'\n';
    text += u"</BODY></HTML>\n";
    return text;
}

// The page of pageBytes bytes in format: a first try tells the bytes per character.
QByteArray pageBytesIn(const TextFormat &format)
{
    const qsizetype trial = writeText(page(1'000'000), format).bytes.size();
    const WrittenText written = writeText(page(qsizetype(1'000'000.0 * double(pageBytes) / double(trial))), format);
    if (!written.ok())
        qFatal("the page does not fit its encoding");
    return written.bytes;
}

double seconds(QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double timeIconv(const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess iconv;
    iconv.setStandardOutputFile(QProcess::nullDevice());
    iconv.start(u"iconv"_s, arguments);
    if (!iconv.waitForFinished(-1) || iconv.exitCode() != 0)
        return -1;
    return seconds(timer);
}

void run(const QTemporaryDir &dir, const char *label, const QString &name, const TextFormat &format,
         const char *iconvName)
{
    const QString path = dir.filePath(name);
    const QString saved = dir.filePath(u"saved-"_s + name);
    {
        const QByteArray written = pageBytesIn(format);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(written) != written.size())
            qFatal("cannot write the page");
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::printf("\n%s: %s, %.1f MB\n", label, qPrintable(formatName(format) + u' ' + lineEndName(format.lineEnd)),
                double(bytes.size()) / 1e6);

    QElapsedTimer timer;
    timer.start();
    const ReadText read = readText(bytes);
    std::printf("  detection + decoding alone          %6.3f s  (%lld characters)\n", seconds(timer),
                qlonglong(read.text.size()));

    QMainWindow window;
    auto *editor = new SourceEditor(&window);
    window.setCentralWidget(editor);
    auto *dialog = new CommonDialog(&window);
    auto *session = new DocumentSession(editor, &window);
    auto *files = new DocumentFiles(&window, editor, dialog, session);
    dialog->setBackend(std::make_unique<SaveTo>(saved));
    files->setBackend(std::make_unique<NoQuestions>());
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();

    timer.restart();
    if (!files->openPath(path))
        qFatal("open failed");
    const double opened = seconds(timer);
    QApplication::processEvents();
    const double shown = seconds(timer);
    while (pageFiller(editor))
        QApplication::processEvents();
    std::printf("  open: read, detect, decode, load    %6.3f s  (target 2.5 s; %d blocks)\n", seconds(timer),
                editor->document()->blockCount());
    std::printf("    of which the first screen         %6.3f s, shown %.3f s after the start\n", shown - opened, shown);
    {
        SourceEditor other;
        timer.restart();
        if (PageFiller *filler = setEditorText(&other, QString(read.text)))
            filler->finish();
        std::printf("    of which filling the editor       %6.3f s\n", seconds(timer));
    }

    timer.restart();
    files->saveDocument();
    std::printf("  save unedited                       %6.3f s\n", seconds(timer));

    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::End);
    editor->setTextCursor(cursor);
    editor->setSelText(u"<!-- 追記 -->\r\n"_s);
    timer.restart();
    files->saveDocument();
    std::printf("  save edited: encode + write         %6.3f s  (target 1.0 s)\n", seconds(timer));

    const QString text = PageText(editor).all();
    timer.restart();
    const WrittenText written = writeText(text, format);
    std::printf("    of which encoding alone           %6.3f s\n", seconds(timer));

    const QString utf16 = dir.filePath(u"utf16-"_s + name);
    QProcess::execute(u"iconv"_s, {u"-f"_s, QString::fromLatin1(iconvName), u"-t"_s, u"UTF-16LE"_s, u"-o"_s, utf16, path});
    std::printf("  iconv %s -> UTF-16LE        %6.3f s\n", iconvName,
                timeIconv({u"-f"_s, QString::fromLatin1(iconvName), u"-t"_s, u"UTF-16LE"_s, path}));
    std::printf("  iconv UTF-16LE -> %s        %6.3f s\n", iconvName,
                timeIconv({u"-f"_s, u"UTF-16LE"_s, u"-t"_s, QString::fromLatin1(iconvName), utf16}));
    QFile::remove(utf16);
    QFile::remove(saved);
    QFile::remove(path);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    run(dir, "Shift_JIS page", u"page-sjis.html"_s, {TextEncoding::ShiftJis, false, LineEnd::CrLf}, "CP932");
    run(dir, "UTF-8 page", u"page-utf8.html"_s, {TextEncoding::Utf8, false, LineEnd::Lf}, "UTF-8");
    return 0;
}
