// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cues.h"

#include "lanes.h"

#include "platform/app.h"

#include <algorithm>
#include <cmath>

namespace game {

namespace {

// The twips of distance between two pan steps.
constexpr float panStepTwips = 1200;
// Far enough to find the next vehicle of any lane (the longest gap between
// two vehicles passing a column is under 20 ticks).
constexpr int searchTicks = 64;

constexpr std::array<platform::Timer QuillwayGame::*, 4> laneTimers{&QuillwayGame::Timer1, &QuillwayGame::Timer2,
                                                                    &QuillwayGame::Timer3, &QuillwayGame::Timer4};

int laneAt(float hogTop)
{
    for (std::size_t i = 0; i < lanesBottomUp.size(); ++i) {
        if (inBand(*lanesBottomUp[i], hogTop))
            return int(i);
    }
    return -1;
}

// The first vehicle in index order that touches the hedgehog, or -1.
int touching(const Lane &lane, float hogLeft, const LaneLefts &lefts)
{
    for (int i = 0; i < lane.count; ++i) {
        if (touchesVehicle(lane, hogLeft, lefts[std::size_t(i)]))
            return i;
    }
    return -1;
}

int panOf(const Lane &lane, float hogLeft, float vehicleLeft)
{
    const float apart = (vehicleLeft + lane.vehicleLength / 2) - (hogLeft + hedgehogWidth / 2);
    return std::clamp(int(std::lround(apart / panStepTwips)), -panSteps, panSteps);
}

// A time in the cues' steps: rounded down, and "too far to tell" at the cap.
int steps(int ms)
{
    return ms < 0 ? arrivalCap : std::min(arrivalCap, ms / arrivalStepMs);
}

LaneCue cueOf(const FieldView &field, int index)
{
    LaneCue cue;
    const Lane &lane = *lanesBottomUp[std::size_t(index)];
    const LaneTiming timing = timingOf(field, index);
    cue.lane = index;
    cue.covered = timing.covered;
    cue.arrivalSteps = steps(timing.arrivalMs);
    if (timing.covered)
        cue.clearSteps = steps(timing.clearMs);
    // Nothing in reach (a road cleared for a test): the middle.
    if (timing.covered || timing.arrivalMs >= 0)
        cue.pan = panOf(lane, field.hogLeft, timing.covered ? timing.coveringLeft : timing.arrivingLeft);
    return cue;
}

} // namespace

LaneTiming timingOf(const FieldView &field, int index)
{
    LaneTiming timing;
    const Lane &lane = *lanesBottomUp[std::size_t(index)];
    const float hog = field.hogLeft;
    LaneLefts lefts = field.vehicleLefts[std::size_t(index)];
    const int cover = touching(lane, hog, lefts);
    timing.covered = cover >= 0;
    if (timing.covered)
        timing.coveringLeft = lefts[std::size_t(cover)];

    // Play the lane forward on a copy, tick by tick, until a vehicle newly
    // covers the column: that tick is the arrival.
    const int period = std::max(1, field.msPerStep[std::size_t(index)]);
    int ms = std::max(0, field.msToNextStep[std::size_t(index)]);
    bool wasCovered = timing.covered;
    for (int tick = 1; tick <= searchTicks; ++tick, ms += period) {
        moveLane(lane, lefts);
        const int arriving = touching(lane, hog, lefts);
        if (wasCovered && arriving < 0 && timing.clearMs < 0)
            timing.clearMs = ms;
        if (arriving >= 0 && !wasCovered) {
            timing.arrivalMs = ms;
            timing.arrivingLeft = lefts[std::size_t(arriving)] - float(tick) * lane.step;
            break;
        }
        wasCovered = arriving >= 0;
    }
    return timing;
}

FieldView fieldOf(const QuillwayGame &game)
{
    FieldView field;
    field.hogLeft = game.Hog.Left();
    field.hogTop = game.Hog.Top();
    field.clockMs = game.app().clock().now();
    for (std::size_t i = 0; i < lanesBottomUp.size(); ++i) {
        field.vehicleLefts[i] = game.leftsOf(*lanesBottomUp[i]);
        const platform::Timer &timer = game.*laneTimers[i];
        field.msToNextStep[i] = std::max(0, timer.msToNextTick());
        field.msPerStep[i] = timer.period();
    }
    return field;
}

CueFrame cuesFor(const FieldView &field)
{
    CueFrame frame;
    // The lanes still to cross, from the one the hedgehog stands in.
    std::array<int, 4> road{};
    int count = 0;
    for (float top = field.hogTop; top > crossingTop - rowStep; top -= rowStep) {
        const int lane = laneAt(top);
        if (lane >= 0)
            road[std::size_t(count++)] = lane;
    }
    const int first = count > 2 && (field.clockMs / laneTurnMs) % 2 == 1 ? 2 : 0;
    for (int slot = 0; slot < 2 && first + slot < count; ++slot)
        frame.lanes[std::size_t(slot)] = cueOf(field, road[std::size_t(first + slot)]);
    return frame;
}

} // namespace game
