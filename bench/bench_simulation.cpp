// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How fast the game runs on the manual clock: the soak's random player plays
// the whole program for HOURS of virtual time (default 24), and this prints
// the virtual time simulated per second of CPU used: once with the game alone
// (no window-system events: nothing painted), once with Qt painting the
// windows and moving the focus as the soak test has it.
// Usage: QT_QPA_PLATFORM=offscreen bench_simulation [hours]
#include "tests/soak/soakdriver.h"

#include <QApplication>
#include <cstdio>
#include <ctime>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const int hours = argc > 1 ? std::atoi(argv[1]) : 24;
    for (const bool windowEvents : {false, true}) {
        SoakDriver soak(20261208);
        soak.setWindowEvents(windowEvents);
        const std::clock_t start = std::clock();
        const QString broken = soak.play(qint64(hours) * 3600 * 1000);
        const double cpu = double(std::clock() - start) / CLOCKS_PER_SEC;
        if (!broken.isEmpty()) {
            std::printf("broken: %s\n", qPrintable(broken));
            return 1;
        }
        std::printf(
            "%s: %d h of play (%lld ticks, %lld keys, %lld game overs) in %.2f s of CPU: %.0f times real time\n",
            windowEvents ? "with painting and focus" : "game alone             ", hours,
            static_cast<long long>(soak.counts().ticks), static_cast<long long>(soak.counts().keys),
            static_cast<long long>(soak.counts().gameOvers), cpu, hours * 3600.0 / cpu);
    }
    return 0;
}
