// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "realclock.h"

#include <algorithm>

namespace platform {

RealClock::RealClock()
{
    m_elapsed.start();
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_wakeUp, &QTimer::timeout, [this] { wake(); });
}

qint64 RealClock::now() const
{
    return m_elapsed.elapsed();
}

void RealClock::scheduleChanged()
{
    const qint64 due = nextDue();
    if (due < 0) {
        m_wakeUp.stop();
        return;
    }
    // Setting the wake-up again costs the event loop a timer of its own:
    // leave it be when it is already set for this moment.
    if (m_wakeUp.isActive() && due == m_wakeUpDue)
        return;
    m_wakeUpDue = due;
    m_wakeUp.start(int(std::clamp<qint64>(due - now(), 0, 24 * 3600 * 1000)));
}

void RealClock::wake()
{
    // One tick per wake-up; if more are due the timer fires again at once,
    // after the events that are waiting.
    if (!deliverOne(now()))
        scheduleChanged(); // woken a little early: wait again for the due time
}

} // namespace platform
