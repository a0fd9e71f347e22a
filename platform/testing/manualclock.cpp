// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manualclock.h"

#include <algorithm>

namespace platform::testing {

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_now + std::max<qint64>(ms, 0);
    for (;;) {
        const qint64 due = nextDue();
        if (due < 0 || due > target)
            break;
        m_now = std::max(m_now, due);
        deliverOne(m_now);
    }
    m_now = std::max(m_now, target);
}

bool ManualClock::step()
{
    const qint64 due = nextDue();
    if (due < 0)
        return false;
    m_now = std::max(m_now, due);
    deliverOne(m_now);
    return true;
}

} // namespace platform::testing
