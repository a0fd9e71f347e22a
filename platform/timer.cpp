// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer.h"

#include "app.h"
#include "clock.h"
#include "form.h"
#include "runtimeerror.h"

#include <algorithm>

namespace platform {

namespace {
quint64 nextSequence()
{
    static quint64 counter = 0; // only orders timers; carries no game state
    return ++counter;
}
} // namespace

Timer::Timer(Form *form, const QString &name, int interval, bool enabled, std::function<void()> onTimer)
    : Control(form, name)
    , m_sequence(nextSequence())
    , m_layoutInterval(interval)
    , m_layoutEnabled(enabled)
    , m_onTimer(std::move(onTimer))
    , m_interval(interval)
{
}

Timer::~Timer()
{
    form()->app().clock().disarm(this);
}

bool Timer::Enabled() const
{
    ensureLoaded();
    return m_enabled;
}

void Timer::setEnabled(bool enabled)
{
    ensureLoaded();
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Clock &clock = form()->app().clock();
    if (enabled && period() > 0)
        clock.arm(this, clock.now() + period());
    else
        clock.disarm(this);
}

int Timer::Interval() const
{
    ensureLoaded();
    return m_interval;
}

void Timer::setInterval(int ms)
{
    ensureLoaded();
    if (ms < 0)
        throw RuntimeError(errors::InvalidPropertyValue,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Invalid property value")));
    if (ms == m_interval)
        return;
    m_interval = ms;
    if (!m_enabled)
        return;
    Clock &clock = form()->app().clock();
    if (!clock.isArmed(this) && period() > 0)
        clock.arm(this, clock.now() + period()); // Interval 0 had stopped it
    else
        clock.intervalChanged(this);
}

int Timer::msToNextTick() const
{
    const Clock &clock = form()->app().clock();
    const qint64 due = clock.dueTime(this);
    if (due < 0)
        return -1;
    return int(std::max<qint64>(0, due - clock.now()));
}

int Timer::period() const
{
    return m_interval <= 0 ? 0 : std::max(m_interval, Clock::resolutionMs);
}

void Timer::reset()
{
    Clock &clock = form()->app().clock();
    clock.disarm(this);
    m_interval = m_layoutInterval;
    m_enabled = m_layoutEnabled;
    if (m_enabled && period() > 0)
        clock.arm(this, clock.now() + period());
}

void Timer::unloaded()
{
    m_enabled = false;
    form()->app().clock().disarm(this);
}

void Timer::fire()
{
    if (!form()->isLoaded() || !m_enabled)
        return;
    form()->app().dispatch(m_onTimer);
}

} // namespace platform
