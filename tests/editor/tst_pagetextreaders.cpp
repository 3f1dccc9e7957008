// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's document holds soft breaks, lines sharing a block and stand-ins
// that must never reach a reader: only PageText and the editor's own inner
// files read its characters. This test reads the program's sources and names
// every other place that does.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Relative to src/: the facade and what it is built on.
bool mayRead(const QString &path)
{
    static const QStringList inner{u"editor/pagetext."_s, u"editor/pagelines."_s, u"editor/pagefiller."_s,
                                   u"editor/sourceeditor."_s, u"core/text/"_s};
    return std::any_of(inner.cbegin(), inner.cend(), [&](const QString &start) { return path.startsWith(start); });
}

QString withoutComment(const QString &line)
{
    const qsizetype comment = line.indexOf(u"//"_s);
    return comment < 0 ? line : line.first(comment);
}

// The places in source (one file's text) that read a document's characters,
// as "name:line: code".
QStringList readersIn(const QString &name, const QString &source)
{
    // Any call of these reads the whole document or a selection of it.
    static const QRegularExpression wholeReads(uR"(\b(toPlainText|selectedText|toRawText)\s*\()"_s);
    // QTextBlock::text() on a block named in the file, or on a block just found.
    static const QRegularExpression blockDeclaration(uR"(\bQTextBlock\s*&?\s*(\w+)\s*[=;,)(])"_s);
    static const QRegularExpression foundBlockText(
        uR"(\b(block|findBlock|findBlockByNumber|findBlockByLineNumber|firstVisibleBlock|lastBlock|begin|next|previous)\s*\([^()]*\)\s*\.\s*text\s*\(\s*\))"_s);
    const QStringList lines = source.split(u'\n');
    QSet<QString> blocks;
    for (const QString &line : lines) {
        for (auto it = blockDeclaration.globalMatch(withoutComment(line)); it.hasNext();)
            blocks.insert(it.next().captured(1));
    }
    QStringList readers;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString code = withoutComment(lines[i]);
        bool reads = wholeReads.match(code).hasMatch() || foundBlockText.match(code).hasMatch();
        for (auto it = blocks.cbegin(); !reads && it != blocks.cend(); ++it)
            reads = code.contains(QRegularExpression(uR"(\b%1\s*(\.|->)\s*text\s*\(\s*\))"_s.arg(*it)));
        if (reads)
            readers.append(u"%1:%2: %3"_s.arg(name).arg(i + 1).arg(lines[i].trimmed()));
    }
    return readers;
}

} // namespace

class TestPageTextReaders : public QObject
{
    Q_OBJECT

private slots:
    void findsReaders_data();
    void findsReaders();
    void onlyThePageTextReadsTheDocument();
};

// The scan itself: it must see each way of reading, and nothing else.
void TestPageTextReaders::findsReaders_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("readers");

    QTest::addRow("the whole document as plain text") << u"const QString t = m_editor->toPlainText();"_s << 1;
    QTest::addRow("a cursor's selection") << u"return cursor.selectedText();"_s << 1;
    QTest::addRow("the raw text of the document") << u"QString t = document->toRawText();"_s << 1;
    QTest::addRow("a block's text, the block declared before")
        << u"const QTextBlock block = cursor.block();\nint n = 0;\nconst QString text = block.text();"_s << 1;
    QTest::addRow("a piece passed by reference")
        << u"qsizetype columnsOf(const QTextBlock &piece)\n{\n    return caretColumn(piece.text());\n}"_s << 1;
    QTest::addRow("the text of a block just found")
        << u"tokenize(m_document->findBlockByNumber(3).text());\ncount(block.next().text());"_s << 2;
    QTest::addRow("a line edit's text is no reader") << u"m_findText->setText(m_findText->text());"_s << 0;
    QTest::addRow("an action's text is no reader") << u"const QString text = action->text();"_s << 0;
    QTest::addRow("a comment naming a reader is none") << u"// toPlainText() would lose the stand-ins"_s << 0;
}

void TestPageTextReaders::findsReaders()
{
    QFETCH(QString, source);
    QFETCH(int, readers);

    const QStringList found = readersIn(u"sample.cpp"_s, source);
    QVERIFY2(found.size() == readers, qPrintable(found.join(u'\n')));
}

void TestPageTextReaders::onlyThePageTextReadsTheDocument()
{
    // TAGPOT_SOURCE_DIR scans another tree's src/ (to count its readers).
    QString root = qEnvironmentVariable("TAGPOT_SOURCE_DIR");
    if (root.isEmpty())
        root = QStringLiteral(TAGPOT_TEST_DATA "/../../src");
    const QDir src(root);
    QVERIFY2(src.exists(u"editor"_s), qPrintable(src.absolutePath()));
    QStringList readers;
    QSet<QString> files;
    int scanned = 0;
    QDirIterator it(src.absolutePath(), {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = src.relativeFilePath(path);
        ++scanned;
        if (mayRead(name))
            continue;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QStringList found = readersIn(name, QString::fromUtf8(file.readAll()));
        if (!found.isEmpty())
            files.insert(name);
        readers += found;
    }
    QVERIFY(scanned > 50);
    qInfo("%lld files read the document's characters directly, %lld places", qsizetype(files.size()),
          qsizetype(readers.size()));
    QVERIFY2(readers.isEmpty(), qPrintable(u"Read the page through PageText (src/editor/pagetext.h):\n"_s
                                           + readers.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestPageTextReaders)
#include "tst_pagetextreaders.moc"
