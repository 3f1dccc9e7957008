// SPDX-License-Identifier: GPL-3.0-or-later
// The site link check over a generated site of 2,000 pages of 10 kB (half of
// them Shift_JIS): the time of each run; it must answer within 3 s.
#include "core/site/sitelinks.h"
#include "generatedsite.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir site;
    writeGeneratedSite(site.path(), pages, 10 * 1024);
    std::printf("site: %d pages of about 10 kB\n", pages);
    QList<double> times;
    qsizetype problems = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        problems = checkSiteLinks(site.path()).size();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    std::printf("problems: %lld\nlink check, 5 runs: best %.0f ms, median %.0f ms, worst %.0f ms\n", qlonglong(problems),
                times.first(), times.at(times.size() / 2), times.last());
    return 0;
}
