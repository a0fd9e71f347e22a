// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How closely the real clock keeps a timer's schedule over a long run: the
// countdown bar and the traffic must not drift against the wall clock.
// Usage: bench_clock [seconds] (default 60). Prints the lateness of the last
// tick against its nominal time and the worst lateness seen.
#include "platform/app.h"
#include "platform/form.h"
#include "platform/realclock.h"
#include "platform/scripteddialogs.h"
#include "platform/timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {
class Ticking : public platform::Form
{
public:
    Ticking(platform::App &app, int interval)
        : Form(app, QStringLiteral("Bench"), {QStringLiteral("Bench"), 1500, 1500, Qt::gray, {}})
        , Timer1(this, QStringLiteral("Timer1"), interval, true, [this] { tick(); })
    {
    }
    platform::Timer Timer1;
    qint64 ticks = 0;
    qint64 worst = 0;
    qint64 lastLateness = 0;
    QElapsedTimer since;

private:
    void tick()
    {
        ++ticks;
        lastLateness = since.elapsed() - ticks * Timer1.Interval();
        worst = std::max(worst, lastLateness);
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    platform::RealClock clock;
    platform::ScriptedDialogs boxes;
    platform::App app(clock, boxes);
    Ticking form(app, 75); // the fastest countdown pace
    form.since.start();
    form.Load();
    QTimer::singleShot(seconds * 1000, &qapp, &QApplication::quit);
    qapp.exec();
    std::printf("%lld ticks of 75 ms in %d s: last tick %lld ms late, worst %lld ms\n",
                static_cast<long long>(form.ticks), seconds, static_cast<long long>(form.lastLateness),
                static_cast<long long>(form.worst));
    return 0;
}
