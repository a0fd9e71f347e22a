// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace platform {

// The clock of the running game: Qt's event loop wakes it at the earliest due
// time with one precise single-shot timer, and it delivers one tick per wake,
// so key presses and clicks interleave with ticks. Ticks are scheduled from
// their due times, never from when they ran, so there is no drift.
class RealClock final : public Clock
{
public:
    RealClock();
    qint64 now() const override;

protected:
    void scheduleChanged() override;

private:
    void wake();

    QElapsedTimer m_elapsed;
    QTimer m_wakeUp;
    qint64 m_wakeUpDue = -1; // what m_wakeUp is set for while it is active
};

} // namespace platform
