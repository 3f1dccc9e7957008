// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentsnapshot.h"
#include "editor/sourceeditor.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// An edit: at a line and column, remove some characters, insert some text.
struct Edit {
    int line;
    int column;
    int removed;
    QString inserted;
};

void apply(QTextDocument *document, const Edit &edit)
{
    QTextCursor cursor(document->findBlockByNumber(edit.line));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, edit.column);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, edit.removed);
    cursor.insertText(edit.inserted);
}

QString wholeText(const QTextDocument *document)
{
    QString text = document->toRawText();
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDocumentSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void followsEditsWhileCopying_data();
    void followsEditsWhileCopying();
};

void TestDocumentSnapshot::followsEditsWhileCopying_data()
{
    QTest::addColumn<Edit>("first");
    QTest::addColumn<Edit>("second");

    // A piece of the copy covers the first 64 lines; the document has 3000.
    QTest::addRow("typing inside the copied part, then beyond it")
        << Edit{3, 2, 0, u"あ"_s} << Edit{2000, 0, 0, u"い"_s};
    QTest::addRow("a line end typed inside the copied part, twice")
        << Edit{10, 4, 0, u"\n"_s} << Edit{70, 1, 0, u"\n"_s};
    QTest::addRow("deleting across the end of the copied part")
        << Edit{60, 3, 400, QString()} << Edit{0, 0, 1, QString()};
    QTest::addRow("pasting several lines inside the copied part")
        << Edit{5, 0, 0, u"<p>一</p>\n<p>二</p>\n"_s} << Edit{100, 5, 0, u"<br>\n\n"_s};
    QTest::addRow("deleting whole lines at the start")
        << Edit{0, 0, 120, QString()} << Edit{0, 0, 50, QString()};
    QTest::addRow("typing at the very end") << Edit{2999, 10, 0, u"末尾"_s} << Edit{2999, 12, 0, u"\n"_s};
    QTest::addRow("typing right where the copy stopped") << Edit{64, 0, 0, u"x"_s} << Edit{128, 0, 0, u"y"_s};
}

// Edits made between the pieces of a copy are in the finished copy: it is the
// document's text as it is when the copy is done, character for character.
void TestDocumentSnapshot::followsEditsWhileCopying()
{
    QFETCH(Edit, first);
    QFETCH(Edit, second);

    SourceEditor editor;
    QTextDocument &document = *editor.document();
    QString text;
    for (int line = 0; line < 3000; ++line)
        text += u"<p>行 %1 の文\u2028と\uFDD2と\u00A0</p>\n"_s.arg(line);
    text.chop(1);
    editor.setPlainText(text);

    DocumentSnapshot snapshot(&editor);
    QVERIFY(!snapshot.copy(0ms));
    apply(&document, first);
    QVERIFY(!snapshot.copy(0ms));
    apply(&document, second);
    QVERIFY(snapshot.copy(-1ms));
    const QString copied = snapshot.takeText();
    const QString expected = wholeText(&document);
    QCOMPARE(copied.size(), expected.size());
    QVERIFY(copied == expected);
}

QTEST_MAIN(TestDocumentSnapshot)
#include "tst_documentsnapshot.moc"
