// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <algorithm>

namespace platform {

Ticking::~Ticking() = default;

Clock::~Clock() = default;

Clock::Entry *Clock::find(const Ticking *timer)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [timer](const Entry &e) { return e.timer == timer; });
    return it == m_entries.end() ? nullptr : &*it;
}

const Clock::Entry *Clock::find(const Ticking *timer) const
{
    return const_cast<Clock *>(this)->find(timer);
}

void Clock::arm(Ticking *timer, qint64 due)
{
    if (Entry *entry = find(timer)) {
        entry->due = due;
        entry->generation = ++m_generation;
    } else {
        // Kept in construction order of the timers, which breaks ties.
        Entry fresh{timer, due, ++m_generation, false};
        auto pos = std::find_if(m_entries.begin(), m_entries.end(),
                                [timer](const Entry &e) { return e.timer->sequence() > timer->sequence(); });
        m_entries.insert(pos, fresh);
    }
    scheduleChanged();
}

void Clock::disarm(Ticking *timer)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [timer](const Entry &e) { return e.timer == timer; });
    if (it != m_entries.end()) {
        m_entries.erase(it);
        ++m_generation;
        scheduleChanged();
    }
}

void Clock::intervalChanged(Ticking *timer)
{
    Entry *entry = find(timer);
    if (!entry)
        return;
    if (entry->busy)
        return; // the tick that is running computes the next due time from its own
    if (timer->period() <= 0) {
        disarm(timer);
        return;
    }
    arm(timer, now() + timer->period());
}

bool Clock::isArmed(const Ticking *timer) const
{
    return find(timer) != nullptr;
}

qint64 Clock::dueTime(const Ticking *timer) const
{
    const Entry *entry = find(timer);
    return entry ? entry->due : -1;
}

qint64 Clock::nextDue() const
{
    qint64 best = -1;
    for (const Entry &e : m_entries) {
        if (!e.busy && (best < 0 || e.due < best))
            best = e.due;
    }
    return best;
}

bool Clock::deliverOne(qint64 upTo)
{
    const Entry *earliest = nullptr;
    for (const Entry &e : m_entries) {
        if (!e.busy && (!earliest || e.due < earliest->due))
            earliest = &e;
    }
    if (!earliest || earliest->due > upTo)
        return false;

    Ticking *timer = earliest->timer;
    const qint64 due = earliest->due;
    const quint64 generation = earliest->generation;
    find(timer)->busy = true;
    // Other timers go on ticking while this handler waits for a box.
    scheduleChanged();

    timer->fire();

    // The handler may have stopped, restarted or destroyed this timer's entry
    // (or others'): look it up again.
    Entry *entry = find(timer);
    if (!entry)
        return true;
    entry->busy = false;
    if (entry->generation != generation) {
        scheduleChanged();
        return true; // re-armed inside the handler: that schedule stands
    }
    const qint64 period = timer->period();
    if (period <= 0) {
        disarm(timer);
        return true;
    }
    qint64 next = due + period;
    const qint64 t = now();
    if (next <= t) {
        // Missed ticks collapse into the late one just delivered.
        next += ((t - next) / period + 1) * period;
    }
    entry->due = next;
    scheduleChanged();
    return true;
}

} // namespace platform
