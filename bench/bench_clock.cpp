// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How closely the real clock keeps the schedule of every timer period the
// game uses (16, 75, 150, 300, 400 and 500 ms), all running at once on one
// window as in play: the countdown bar and the traffic must not drift
// against the wall clock. For each period it prints the ticks counted against
// those due, the mean period's error, and the lateness of ticks against
// their nominal times (median, 99th percentile, worst).
// Usage: QT_QPA_PLATFORM=offscreen bench_clock [seconds] (default 60).
#include "platform/app.h"
#include "platform/form.h"
#include "platform/realclock.h"
#include "platform/testing/scripteddialogs.h"
#include "platform/timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr std::array periods{16, 75, 150, 300, 400, 500};

class Ticking : public platform::Form
{
public:
    explicit Ticking(platform::App &app)
        : Form(app, QStringLiteral("Bench"), {QStringLiteral("Bench"), 1500, 1500, Qt::gray, {}})
    {
        for (std::size_t i = 0; i < periods.size(); ++i) {
            timers[i] = std::make_unique<platform::Timer>(this, QStringLiteral("Timer%1").arg(i + 1), periods[i], true,
                                                          [this, i] { ticked[i].push_back(since.nsecsElapsed()); });
        }
    }
    std::array<std::unique_ptr<platform::Timer>, periods.size()> timers;
    std::array<std::vector<qint64>, periods.size()> ticked; // ns since the timers started
    QElapsedTimer since;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    platform::RealClock clock;
    platform::testing::ScriptedDialogs boxes;
    platform::App app(clock, boxes);
    Ticking form(app);
    form.since.start();
    form.Load(); // starts every timer
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &qapp, &QApplication::quit);
    qapp.exec();

    std::printf("%d s, all six timers at once\n", seconds);
    std::printf("period  ticks/due  mean period error  lateness ms: median  p99   worst\n");
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const std::vector<qint64> &t = form.ticked[i];
        const qint64 period = periods[i];
        const qint64 due = seconds * 1000LL / period;
        std::vector<double> late;
        for (std::size_t k = 0; k < t.size(); ++k)
            late.push_back(double(t[k]) / 1e6 - double((k + 1) * period));
        std::sort(late.begin(), late.end());
        auto at = [&](double q) { return late.empty() ? 0.0 : late[std::size_t(q * double(late.size() - 1))]; };
        const double mean = t.size() > 1 ? double(t.back() - t.front()) / 1e6 / double(t.size() - 1) : 0.0;
        std::printf("%4lld ms  %5zu/%-5lld  %+14.4f %%      %6.2f  %6.2f  %6.2f\n", static_cast<long long>(period),
                    t.size(), static_cast<long long>(due), 100.0 * (mean - double(period)) / double(period), at(0.5),
                    at(0.99), late.empty() ? 0.0 : late.back());
    }
    return 0;
}
