// SPDX-License-Identifier: GPL-3.0-or-later
// Generates a 1,000 x 100 table with the wizard's generator and inserts it
// into the middle of a 20 MB document shown in the editor; then reads a
// 1,000 x 20 spreadsheet copy (tab-separated, some quoted cells), writes it
// as a table with a header row, designed and in the HTML5 style, and inserts
// it the same way. Prints the time of each run; the target is 0.3 s.
#include "editor/sourceeditor.h"
#include "core/table/tablecounts.h"
#include "core/table/tablemarkup.h"
#include "core/table/tabledata.h"
#include "core/palette/markupstyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

QString twentyMegabytes()
{
    const QString line = QStringLiteral("<P>タグポットで書いたページの一行です。 Some ASCII text as well, 0123456789.</P>\n");
    const qsizetype bytesPerLine = line.toUtf8().size();
    const qsizetype lines = 20 * 1024 * 1024 / bytesPerLine;
    return line.repeated(lines);
}

TableSettings typicalSettings()
{
    TableSettings s;
    s.rows = QStringLiteral("1000");
    s.cols = QStringLiteral("100");
    s.border.ticked = true;
    s.tableWidth = {true, QStringLiteral("80"), 1};
    s.rowBgcolor = {true, QStringLiteral("FFFFCC")};
    s.cellAlign = {true, 1};
    s.cellValign = {true, 0};
    return s;
}

// What a spreadsheet copies for 1,000 rows of 20 columns: words, numbers,
// characters to escape and now and then a quoted cell with a line end.
QString spreadsheetCopy()
{
    QString text;
    for (int r = 0; r < 1000; ++r) {
        for (int c = 0; c < 20; ++c) {
            if (c > 0)
                text += u'\t';
            if (r % 50 == 7 && c == 3)
                text += QStringLiteral("\"二行の\nセル\"");
            else if (c % 4 == 0)
                text += QStringLiteral("商品 %1-%2 <A&B>").arg(r).arg(c);
            else
                text += QString::number(r * 20 + c);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

// Each run inserts in the middle of the document, after pending painting.
void caretToMiddle(SourceEditor &editor, qsizetype documentSize)
{
    QTextCursor middle = editor.textCursor();
    middle.setPosition(int(documentSize / 2));
    editor.setTextCursor(middle);
    QCoreApplication::processEvents();
}

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    SourceEditor editor;
    editor.resize(900, 700);
    const QString document = twentyMegabytes();
    editor.setPlainText(document);
    editor.show();
    QCoreApplication::processEvents();
    out << "document: " << document.toUtf8().size() << " bytes, " << editor.document()->blockCount() << " lines\n";

    const TableSettings settings = typicalSettings();
    QList<double> insertTimes;
    QList<double> paintedTimes;
    for (int run = 0; run < 5; ++run) {
        caretToMiddle(editor, document.size());

        QElapsedTimer timer;
        timer.start();
        const auto size = tableSize(settings.rows, settings.cols);
        const QString table = tableMarkup(settings, std::get<TableSize>(size));
        editor.setSelText(table);
        const double inserted = timer.nsecsElapsed() / 1e9;
        editor.repaint();
        QCoreApplication::processEvents();
        const double painted = timer.nsecsElapsed() / 1e9;

        // Each CR LF becomes one line break in the editor.
        const qsizetype arrived = editor.document()->characterCount() - 1 - document.size();
        if (arrived != table.size() - table.count(u"\r\n")) {
            out << "the table did not arrive whole\n";
            return 1;
        }
        insertTimes << inserted;
        paintedTimes << painted;
        out << "run " << run + 1 << ": table " << table.size() << " characters, generate + insert " << inserted
            << " s, until painted " << painted << " s\n";
        out.flush();
        editor.undo();
    }
    std::sort(insertTimes.begin(), insertTimes.end());
    std::sort(paintedTimes.begin(), paintedTimes.end());
    out << "median generate + insert: " << insertTimes.at(insertTimes.size() / 2)
        << " s, median until painted: " << paintedTimes.at(paintedTimes.size() / 2) << " s (target 0.3 s)\n";

    const QString copied = spreadsheetCopy();
    out << "\nspreadsheet copy: " << copied.size() << " characters, 1000 x 20\n";
    for (const bool html5 : {false, true}) {
        QList<double> dataTimes;
        for (int run = 0; run < 5; ++run) {
            caretToMiddle(editor, document.size());

            QElapsedTimer timer;
            timer.start();
            const TableData data = parseTableData(copied);
            TableSettings s = settings;
            s.rows = QString::number(data.rows.size());
            s.cols = QString::number(data.cols);
            const auto size = tableSize(s.rows, s.cols);
            QString table = tableMarkupWithData(s, std::get<TableSize>(size), data, true);
            if (html5)
                table = html5Markup(table, {});
            editor.setSelText(table);
            editor.repaint();
            QCoreApplication::processEvents();
            const double painted = timer.nsecsElapsed() / 1e9;
            dataTimes << painted;
            out << (html5 ? "HTML5 " : "designed ") << "run " << run + 1 << ": " << data.rows.size() << " x "
                << data.cols << ", table " << table.size() << " characters, parse + generate + insert until painted "
                << painted << " s\n";
            out.flush();
            editor.undo();
        }
        out << "median " << (html5 ? "HTML5" : "designed") << " table from data: " << median(dataTimes)
            << " s (target 0.3 s)\n";
    }
    return 0;
}
