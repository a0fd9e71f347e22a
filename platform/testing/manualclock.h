// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

namespace platform::testing {

// Virtual time for tests: nothing happens until the test lets time pass, and
// then every tick that falls due is delivered one at a time, in time order
// (ties as Clock describes). A handler may itself let time pass (a scripted
// box that stays open for a while); the ticks due meanwhile are delivered
// inside it.
class ManualClock final : public Clock
{
public:
    qint64 now() const override { return m_now; }

    // Lets `ms` milliseconds pass.
    void advance(qint64 ms);
    // Lets time pass up to the next due tick and delivers that one tick only.
    // Returns false (and lets no time pass) when no timer is armed.
    bool step();
    // The time of the next due tick, or -1.
    qint64 next() const { return nextDue(); }

private:
    qint64 m_now = 0;
};

} // namespace platform::testing
