// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agents.h"

#include <Qt>

#include <cmath>
#include <cstdlib>

namespace earvseye {

namespace {

// A key must come this long before a lane's tick to be sure to beat it.
constexpr int marginMs = 20;
// What anyone learns of each lane by playing: how long a vehicle takes to
// pass a column at most (the vehicle's length and the hedgehog's, in 300
// twips a tick), and how far apart two vehicles reach it (the lane's gap,
// in whole ticks, at least and at most).
struct LaneHabits {
    int tickMs;
    bool rightToLeft;
    int passingMs;
    int headwayMinMs;
    int headwayMaxMs;
};
constexpr std::array<LaneHabits, 4> habits{{
    {400, true, 9 * 400, 15 * 400, 15 * 400},
    {150, false, 9 * 150, 17 * 150, 18 * 150},
    {500, true, 12 * 500, 14 * 500, 15 * 500},
    {300, false, 9 * 300, 12 * 300, 13 * 300},
}};
// How long to count on staying in a lane whose next lane is not known yet.
constexpr int unknownStayMs = 900;
// How long a lane's timing is remembered well enough to plan on: a gap
// or two, before the uncertain gaps add up.
constexpr int memoryMs = 5000;
// How far ahead a way across is looked for.
constexpr int lookAheadMs = 12000;
// A step sideways, and the columns the hedgehog may stand in.
constexpr float sideStep = 300;
constexpr float leftmost = 60;
constexpr float rightmost = 6960;
// How far along the verge a way across is looked for, in steps.
constexpr int walkSteps = 8;
// A moment known this closely marks when a lane's timer ticks.
constexpr int tickMarkMs = 20;
// An arrival heard only as "far": the next one after it is not known.
constexpr int unknownSpreadMs = 1000000;

// How much later the lane's traffic reaches column `to` than `from`: a
// vehicle steps one column a tick, so a column further along its way is
// reached one tick later.
qint64 shiftMs(int lane, float from, float to)
{
    const LaneHabits &h = habits[std::size_t(lane)];
    const qint64 steps = qint64(std::lround((to - from) / sideStep));
    return (h.rightToLeft ? -steps : steps) * h.tickMs;
}

} // namespace

Percept eyeSees(const game::FieldView &field)
{
    Percept percept;
    for (int lane = 0; lane < 4; ++lane) {
        const game::LaneTiming timing = game::timingOf(field, lane);
        LaneBelief &b = percept[std::size_t(lane)];
        b.known = true;
        b.covered = timing.covered;
        b.clearMs = timing.clearMs;
        b.arrivalMs = timing.arrivalMs;
    }
    return percept;
}

Percept earHears(const game::CueFrame &frame)
{
    // The steps are rounded down; the last one means "that or later".
    auto ms = [](int steps) { return steps * game::arrivalStepMs; };
    auto spread = [](int steps) { return steps == game::arrivalCap ? unknownSpreadMs : game::arrivalStepMs - 1; };
    Percept percept;
    for (const game::LaneCue &cue : frame.lanes) {
        if (cue.lane < 0)
            continue;
        LaneBelief &b = percept[std::size_t(cue.lane)];
        b.known = true;
        b.covered = cue.covered;
        b.arrivalMs = ms(cue.arrivalSteps);
        b.spreadMs = spread(cue.arrivalSteps);
        if (cue.covered) {
            b.clearMs = ms(cue.clearSteps);
            b.clearSpreadMs = spread(cue.clearSteps);
        }
    }
    return percept;
}

// Narrows the moment [lo, lo + spread] by what an earlier sensing said of
// it; false when the two cannot be the same moment (another vehicle).
bool narrow(int &ms, int &spread, qint64 at, qint64 earlierLo, qint64 earlierHi)
{
    const qint64 lo = std::max(at + ms, earlierLo);
    const qint64 hi = std::min(at + ms + spread, earlierHi);
    if (lo > hi)
        return false;
    ms = int(lo - at);
    spread = int(hi - lo);
    return true;
}

void Planner::sense(const Percept &percept)
{
    for (std::size_t lane = 0; lane < percept.size(); ++lane) {
        LaneBelief b = percept[lane];
        if (!b.known)
            continue;
        // The same arrival or clearing sensed again, from the same column:
        // both sensings hold, so the moment lies where they overlap. A
        // rounded time that has just stepped down pins its moment down.
        const LaneBelief &old = m_beliefs[lane];
        if (old.known && old.covered == b.covered) {
            // Heard from another column: the same traffic, shifted.
            const qint64 at = old.sensedAt + shiftMs(int(lane), old.sensedLeft, b.sensedLeft);
            if (b.arrivalMs >= 0 && old.arrivalMs >= 0)
                narrow(b.arrivalMs, b.spreadMs, b.sensedAt, at + old.arrivalMs, at + old.arrivalMs + old.spreadMs);
            if (b.covered && b.clearMs >= 0 && old.clearMs >= 0)
                narrow(b.clearMs, b.clearSpreadMs, b.sensedAt, at + old.clearMs, at + old.clearMs + old.clearSpreadMs);
        }
        if (b.arrivalMs >= 0)
            onTick(int(lane), b.sensedAt, b.arrivalMs, b.spreadMs);
        if (b.covered && b.clearMs >= 0)
            onTick(int(lane), b.sensedAt, b.clearMs, b.clearSpreadMs);
        m_beliefs[lane] = b;
        // A moment known closely marks the lane's ticks from then on.
        const auto [ms, spread]
            = b.covered ? std::pair(b.clearMs, b.clearSpreadMs) : std::pair(b.arrivalMs, b.spreadMs);
        if (ms >= 0 && spread <= tickMarkMs && (m_tickAt[lane] < 0 || spread < m_tickSpread[lane])) {
            m_tickAt[lane] = b.sensedAt + ms;
            m_tickSpread[lane] = spread;
        }
    }
}

void Planner::onTick(int lane, qint64 at, int &ms, int &spread) const
{
    const qint64 mark = m_tickAt[std::size_t(lane)];
    if (mark < 0 || spread >= unknownSpreadMs)
        return;
    const qint64 tick = habits[std::size_t(lane)].tickMs;
    const qint64 markSpread = m_tickSpread[std::size_t(lane)];
    const qint64 lo = at + ms;
    const qint64 hi = lo + spread;
    // The ticks whose moment can lie in [lo, hi]: narrow only to one.
    qint64 first = (lo - mark - markSpread) / tick - 1;
    int found = 0;
    qint64 newLo = 0;
    qint64 newHi = 0;
    for (qint64 k = first; mark + k * tick <= hi; ++k) {
        const qint64 l = std::max(lo, mark + k * tick);
        const qint64 h = std::min(hi, mark + k * tick + markSpread);
        if (l <= h) {
            ++found;
            newLo = l;
            newHi = h;
        }
    }
    if (found == 1) {
        ms = int(newLo - at);
        spread = int(newHi - newLo);
    }
}

bool Planner::freeDuring(int lane, float left, qint64 from, qint64 until) const
{
    return freeFrom(lane, left, from, int(until - from)) == from;
}

qint64 Planner::freeFrom(int lane, float left, qint64 from, int forMs) const
{
    const LaneBelief &b = m_beliefs[std::size_t(lane)];
    if (!b.known)
        return -1;
    const LaneHabits &h = habits[std::size_t(lane)];
    // Worked out at the sensed column, on its clock, and shifted back.
    const qint64 shift = shiftMs(lane, b.sensedLeft, left);
    const qint64 at = std::max(from - shift, b.sensedAt);
    // The free stretches of the column, earliest first: until the next
    // vehicle comes, then between it and the one after, and so on.
    qint64 freeStart = b.sensedAt;
    const qint64 arrival = b.sensedAt + b.arrivalMs;
    if (b.covered) {
        if (b.clearMs < 0)
            return -1;
        freeStart += b.clearMs + b.clearSpreadMs;
    }
    qint64 freeEnd = arrival;
    for (int k = 0; freeStart < at + lookAheadMs; ++k) {
        const qint64 start = std::max(at, freeStart);
        if (freeEnd - marginMs > start + forMs)
            return start + shift;
        // Counted from the sensed arrival, whose error grows no further.
        freeStart = arrival + b.spreadMs + qint64(k) * h.headwayMaxMs + h.passingMs;
        freeEnd = arrival + qint64(k + 1) * h.headwayMinMs;
    }
    return -1;
}

bool Planner::wayOnFrom(int lane, float left, qint64 enter) const
{
    if (lane == 3)
        return freeDuring(lane, left, enter, enter + keyGapMs); // the verge is next
    if (!fresh(lane + 1, enter)) {
        // Nothing known of the next lane, or nothing sure any more: a
        // while in this lane, to learn of it, with the way back open all
        // that while.
        const qint64 until = enter + unknownStayMs;
        return freeDuring(lane, left, enter, until) && (lane == 0 || freeDuring(lane - 1, left, enter, until));
    }
    // Into each of the next lane's free stretches in turn, at its start,
    // while this lane stays free.
    qint64 leave = enter + keyGapMs;
    for (;;) {
        leave = freeFrom(lane + 1, left, leave, keyGapMs);
        if (leave < 0 || !freeDuring(lane, left, enter, leave))
            return false;
        if (wayOnFrom(lane + 1, left, leave))
            return true;
        // On to the next free stretch: past the end of this one.
        while (freeDuring(lane + 1, left, leave, leave + keyGapMs))
            leave += 50;
    }
}

bool Planner::fresh(int lane, qint64 now) const
{
    const LaneBelief &b = m_beliefs[std::size_t(lane)];
    return b.known && now - b.sensedAt <= memoryMs;
}

int Planner::decide(qint64 now, int row, float left) const
{
    if (row >= 4)
        return Qt::Key_Up; // the blue lane or the top verge: Up is always safe
    if (wayOnFrom(row, left, now))
        return Qt::Key_Up;

    if (row == 0) {
        // The column within a walk where the way across opens soonest.
        qint64 best = -1;
        float target = left;
        for (int k = -walkSteps; k <= walkSteps; ++k) {
            const float column = left + float(k) * sideStep;
            if (column < leftmost || column > rightmost)
                continue;
            for (qint64 t = now + std::abs(k) * keyGapMs; t < now + lookAheadMs / 3 && (best < 0 || t < best);
                 t += 50) {
                if (wayOnFrom(0, column, t)) {
                    best = t;
                    target = column;
                    break;
                }
            }
        }
        if (target == left)
            return 0;
        return target < left ? Qt::Key_Left : Qt::Key_Right;
    }

    // In a lane whose vehicle comes before the next chance to act: out,
    // back if the lane behind is free (the verge always is), else forward.
    if (freeDuring(row - 1, left, now, now + keyGapMs))
        return 0;
    if (row == 1 || freeDuring(row - 2, left, now, now + keyGapMs))
        return Qt::Key_Down;
    if (freeDuring(row, left, now, now + keyGapMs))
        return Qt::Key_Up;
    return 0;
}

} // namespace earvseye
