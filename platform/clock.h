// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

namespace platform {

// What the clock ticks: a window's Timer, or a timer of the layer itself
// (the game controllers' polling).
class Ticking
{
public:
    virtual ~Ticking();
    // The gap between two ticks, 0 when it does not tick.
    virtual int period() const = 0;
    // Construction order, which orders ticks due at the same moment.
    virtual quint64 sequence() const = 0;
    // Called by the clock for one tick.
    virtual void fire() = 0;
};

// The time base that every window timer runs on, and the schedule of the
// timers that are armed. Two clocks exist: RealClock (the event loop) and
// ManualClock (tests, virtual time). Both share the rules below, so a test on
// the manual clock sees exactly what a player sees.
//
// - A timer's effective period is max(Interval, resolution); Interval 0 never
//   ticks.
// - Enabling arms the timer one period from now.
// - After a tick due at d, the next is due at d + period (period as it stands
//   when the handler returns, so an Interval written inside the tick governs
//   the gap after it). If that moment has already passed (a long handler, a
//   busy machine), the missed ticks collapse: the next tick is the first
//   d + k * period that lies in the future. Never a burst.
// - Writing a different Interval outside the timer's own tick restarts its
//   count from the write; writing the same value changes nothing.
// - A timer never re-enters its own handler: while its handler runs (say, a
//   message box is open inside it) its own ticks wait.
// - Ticks due at the same moment are delivered in the order the timers were
//   constructed (within a window: Timer1 before Timer2 and so on, and windows
//   in the order the program creates them).
class Clock
{
public:
    // The layer's timer resolution, on every clock.
    static constexpr int resolutionMs = 16;

    virtual ~Clock();

    // Milliseconds since the clock started.
    virtual qint64 now() const = 0;

    // Called by what it ticks only.
    void arm(Ticking *timer, qint64 due);
    void disarm(Ticking *timer);
    void intervalChanged(Ticking *timer);
    bool isArmed(const Ticking *timer) const;
    // When the timer's next tick is due, or -1 when it is not armed.
    qint64 dueTime(const Ticking *timer) const;

protected:
    // The earliest due time of an armed timer that is not inside its own
    // handler, or -1 when none is.
    qint64 nextDue() const;
    // Delivers the earliest tick if it is due at or before `upTo`; returns
    // false when nothing was due.
    bool deliverOne(qint64 upTo);
    // Tells a concrete clock that the earliest due time may have changed.
    virtual void scheduleChanged() { }

private:
    struct Entry {
        Ticking *timer;
        qint64 due;
        quint64 generation; // bumped on every arm/disarm, so a tick can tell it was re-armed
        bool busy;
    };
    Entry *find(const Ticking *timer);
    const Entry *find(const Ticking *timer) const;

    std::vector<Entry> m_entries;
    quint64 m_generation = 0;
};

} // namespace platform
