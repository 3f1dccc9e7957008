// SPDX-License-Identifier: GPL-3.0-or-later
// Generates a 1,000 x 100 table with the wizard's generator and inserts it
// into the middle of a 20 MB document shown in the editor. Prints the time
// of each run; the target is 0.3 s.
#include "editor/sourceeditor.h"
#include "core/table/tablecounts.h"
#include "core/table/tablemarkup.h"

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
        QTextCursor middle = editor.textCursor();
        middle.setPosition(int(document.size() / 2));
        editor.setTextCursor(middle);
        QCoreApplication::processEvents();

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
    return 0;
}
