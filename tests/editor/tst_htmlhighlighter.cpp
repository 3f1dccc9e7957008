// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/html/pagetokenizer.h"
#include "editor/htmlhighlighter.h"
#include "editor/sourceeditor.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

// The colours drawn must always be those of reading the page from its top,
// whatever edits came before and wherever they were made. Checked against the
// tokenizer run over the whole text after every step of a long random series.
class TestHtmlHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void coloursMatchAFreshReadAfterRandomEdits_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("series %u", seed) << seed;
    }

    void coloursMatchAFreshReadAfterRandomEdits()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        SourceEditor editor;
        auto *highlighter = new HtmlHighlighter(&editor);
        highlighter->setEnabled(true);
        editor.resize(400, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        QString page;
        for (int i = 0; i < 200; ++i)
            page += u"<TD align='center'>セル %1</TD><!-- c -->\n"_s.arg(i);
        editor.setPlainText(page);

        const QStringList pieces{u"<!--"_s, u"-->"_s, u"\""_s, u"'"_s, u"<SCRIPT>"_s, u"</script>"_s,
                                 u"<p title=\"a\nb\">"_s, u"\n"_s, u"<"_s, u">"_s, u"x"_s, u"<style>"_s,
                                 u"/*"_s, u"*/"_s, u"`"_s, u"${"_s, u"}"_s, u"{"_s, u":"_s, u";"_s,
                                 u"<script type=\"application/json\">"_s, u" color: #fc0;"_s};
        for (int step = 0; step < 60; ++step) {
            QTextCursor cursor(editor.document());
            cursor.setPosition(random.bounded(editor.document()->characterCount()));
            if (random.bounded(3) == 0) {
                cursor.setPosition(std::min(cursor.position() + int(random.bounded(30)),
                                            editor.document()->characterCount() - 1),
                                   QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            } else {
                cursor.insertText(pieces[random.bounded(int(pieces.size()))]);
            }
            // Sometimes the view moves before it is painted, sometimes not at all.
            if (random.bounded(2) == 0) {
                QScrollBar *bar = editor.verticalScrollBar();
                bar->setValue(random.bounded(bar->maximum() + 1));
            }
            if (random.bounded(4) != 0)
                highlighter->colourVisibleBlocks();
            highlighter->colourVisibleBlocks();
            compareVisibleBlocks(editor, step);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // The same text is coloured as the kind says, and a plain page not at all.
    void followsTheKind()
    {
        SourceEditor editor;
        auto *highlighter = new HtmlHighlighter(&editor);
        highlighter->setEnabled(true);
        editor.resize(400, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setPlainText(u"a { color: red }\n/* x */"_s);
        const auto colouredAs = [&editor](int block) {
            QStringList found;
            const QTextBlock line = editor.document()->findBlockByNumber(block);
            for (const QTextLayout::FormatRange &range : line.layout()->formats()) {
                if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                    found << line.text().mid(range.start, range.length);
            }
            return found;
        };
        highlighter->colourVisibleBlocks();
        QCOMPARE(colouredAs(0), QStringList{});
        highlighter->setKind(PageKind::Css);
        highlighter->colourVisibleBlocks();
        QCOMPARE(colouredAs(0), (QStringList{u"a"_s, u"color"_s, u"red"_s}));
        QCOMPARE(colouredAs(1), QStringList{u"/* x */"_s});
        QCOMPARE(highlighter->visibleSwatches().size(), 1);
        QCOMPARE(highlighter->visibleSwatches().first().text, u"red"_s);
        highlighter->setKind(PageKind::Plain);
        highlighter->colourVisibleBlocks();
        QCOMPARE(colouredAs(0), QStringList{});
        QVERIFY(highlighter->visibleSwatches().isEmpty());
    }

private:
    static void compareVisibleBlocks(SourceEditor &editor, int step)
    {
        std::uint8_t state = 0;
        const QTextBlock first = editor.firstVisibleBlock();
        const qreal bottom = editor.viewport()->rect().bottom();
        for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
            QList<PageSpan> spans;
            state = tokenizePageLine(PageKind::Html, block.text(), state, &spans);
            if (block.blockNumber() < first.blockNumber())
                continue;
            if (editor.blockBoundingGeometry(block).translated(editor.contentOffset()).top() > bottom)
                break;
            // The swatches' room is a format of its own, without a colour.
            QList<QTextLayout::FormatRange> formats = block.layout()->formats();
            formats.removeIf([](const QTextLayout::FormatRange &range) { return !range.format.hasProperty(QTextFormat::ForegroundBrush); });
            QCOMPARE(formats.size(), spans.size());
            for (int i = 0; i < spans.size(); ++i) {
                QVERIFY2(formats[i].start == spans[i].start && formats[i].length == spans[i].length,
                         qPrintable(u"step %1, line %2: %3"_s.arg(step).arg(block.blockNumber()).arg(block.text())));
            }
        }
    }
};

QTEST_MAIN(TestHtmlHighlighter)
#include "tst_htmlhighlighter.moc"
