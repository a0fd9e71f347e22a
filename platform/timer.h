// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "control.h"

#include <functional>

namespace platform {

// A window's timer. While Enabled, its Timer event fires every Interval ms
// (at the clock's resolution), the first one interval after enabling; see
// Clock for the exact schedule. Timers enabled in the layout start counting
// when their window is loaded; unloading the window stops them, and a tick
// already due then is dropped.
class Timer final : public Control, public Ticking
{
public:
    Timer(Form *form, const QString &name, int interval, bool enabled, std::function<void()> onTimer);
    ~Timer() override;

    bool Enabled() const;
    void setEnabled(bool enabled);
    int Interval() const;
    void setInterval(int ms);

    // Milliseconds until the next tick, 0 when it is due now; -1 when the
    // timer does not tick.
    int msToNextTick() const;

    // The period the clock actually uses.
    int period() const override;

    void reset() override;
    void unloaded() override;

    // Called by the clock for one tick.
    void fire() override;
    // Construction order, which orders ticks due at the same moment.
    quint64 sequence() const override { return m_sequence; }

private:
    quint64 m_sequence;
    int m_layoutInterval;
    bool m_layoutEnabled;
    std::function<void()> m_onTimer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace platform
