// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/cues.h"

#include <QtGlobal>

#include <array>

namespace earvseye {

// What a player knows of one lane at the hedgehog's column, as of the moment
// it was seen or heard. Times count from that moment.
struct LaneBelief {
    bool known = false;
    qint64 sensedAt = 0;
    float sensedLeft = 0; // the hedgehog's column then
    bool covered = false;
    int clearMs = -1;      // while covered: at least this long until the column is free
    int arrivalMs = -1;    // at least this long until the next vehicle (after the covering one)
                           // covers the column; -1 not known
    int spreadMs = 0;      // how much later than arrivalMs the arrival may be
    int clearSpreadMs = 0; // and the clearing than clearMs
};
// Lanes bottom first, as the game numbers them.
using Percept = std::array<LaneBelief, 4>;

// A player who sees the road: every lane, exact.
Percept eyeSees(const game::FieldView &field);
// A player who hears the cues: only what the frame carries, so only what the
// synthesiser sounds. Its one input is the frame.
Percept earHears(const game::CueFrame &frame);

// One crossing strategy, played alike whatever a player's percepts come
// from. It knows the lanes' speeds, lengths and gaps (anyone learns them by
// playing), so what it knows of one column tells it of the others; its own
// row and column; and what it last sensed of each lane, which it remembers
// while the lane is out of sight or earshot. On the bottom verge it walks to
// the column where the way across opens soonest; in the lanes it goes up
// when the way on is free as far as it knows, and back when its lane is
// about to be hit and the way on is not free.
class Planner
{
public:
    // The least time between two key presses of a quick human hand.
    static constexpr int keyGapMs = 150;

    void sense(const Percept &percept);
    // The key to press now (Qt key), or 0 to wait. Rows: 0 the bottom
    // verge, 1 to 4 the lanes (red to blue), 5 the top verge.
    int decide(qint64 now, int row, float left) const;

private:
    // The earliest moment from `from` at which the lane is sure to be free
    // for `forMs` at the column `left`, or -1 if what is known does not reach.
    qint64 freeFrom(int lane, float left, qint64 from, int forMs) const;
    bool freeDuring(int lane, float left, qint64 from, qint64 until) const;
    // Whether entering the lane at `enter` starts a way across, lane by
    // lane, as far as the percepts reach.
    bool wayOnFrom(int lane, float left, qint64 enter) const;
    // Whether the lane was sensed lately enough to plan on.
    bool fresh(int lane, qint64 now) const;

    // Narrows a moment of the lane to the one tick of its timer it can be.
    void onTick(int lane, qint64 at, int &ms, int &spread) const;

    Percept m_beliefs;
    // A moment each lane's timer ticked, give or take its spread: every
    // arrival and clearing falls on one of its ticks.
    std::array<qint64, 4> m_tickAt{-1, -1, -1, -1};
    std::array<int, 4> m_tickSpread{};
};

} // namespace earvseye
