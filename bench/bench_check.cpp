// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a 1 MB page of hand-written legacy markup (thousands of warnings)
// and prints the time of each run: the page check must answer in under half
// a second.
#include "core/check/pagecheck.h"
#include "largedocument.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

int main()
{
    const QString page = largeHtmlDocument(1024 * 1024);
    std::printf("page: %lld characters, %lld bytes in UTF-8\n", qlonglong(page.size()), qlonglong(page.toUtf8().size()));
    QList<double> times;
    qsizetype problems = 0;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        problems = checkPage(page, QDir::tempPath()).size();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    std::printf("problems: %lld\ncheck, 7 runs: best %.1f ms, median %.1f ms, worst %.1f ms\n", qlonglong(problems),
                times.first(), times.at(times.size() / 2), times.last());
    return 0;
}
