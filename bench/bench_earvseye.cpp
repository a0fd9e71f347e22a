// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Ear against eye: crossings per attempt of a player who hears only the
// sound cues and of one who sees the road, with the same strategy and the
// same reaction time, on the same seeded attempts at levels 1, 7 and 10;
// and against an eye that acts at once, a harder yardstick.
// Usage: QT_QPA_PLATFORM=offscreen bench_earvseye [attempts per level] [seed]
#include "tests/earvseye/trials.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const int attempts = argc > 1 ? std::atoi(argv[1]) : 1000;
    const quint32 seed = argc > 2 ? quint32(std::strtoul(argv[2], nullptr, 10)) : 20261211;
    std::printf("%d attempts per level, seed %u\n\n", attempts, seed);
    std::printf("| level | ear | eye (250 ms) | ear/eye [95 %%] | eye at once | ear/eye at once [95 %%] |\n");
    std::printf("|---|---|---|---|---|---|\n");
    const std::clock_t start = std::clock();
    for (const int level : {1, 7, 10}) {
        using namespace earvseye;
        const std::vector<Outcome> byEar = play(ear, level, attempts, seed);
        const std::vector<Outcome> byEye = play(eye, level, attempts, seed);
        const std::vector<Outcome> byQuickEye = play(quickEye, level, attempts, seed);
        const Comparison c = compare(byEar, byEye);
        const Comparison q = compare(byEar, byQuickEye);
        std::printf("| %d | %.3f | %.3f | %.3f [%.3f, %.3f] | %.3f | %.3f [%.3f, %.3f] |\n", level, c.first, c.second,
                    c.ratio, c.low, c.high, q.second, q.ratio, q.low, q.high);
        for (const auto *outcomes : {&byEar, &byEye, &byQuickEye})
            std::printf("  crossed %lld hit %lld timed out %lld\n",
                        static_cast<long long>(std::count(outcomes->begin(), outcomes->end(), Outcome::Crossed)),
                        static_cast<long long>(std::count(outcomes->begin(), outcomes->end(), Outcome::Hit)),
                        static_cast<long long>(std::count(outcomes->begin(), outcomes->end(), Outcome::TimedOut)));
        std::fflush(stdout);
    }
    std::printf("\n%.1f s of CPU\n", double(std::clock() - start) / CLOCKS_PER_SEC);
    return 0;
}
