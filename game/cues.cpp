// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cues.h"

#include "lanes.h"

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

bool touchesOne(const Lane &lane, float hogLeft, float vehicleLeft)
{
    return touches(lane, hogLeft, LaneLefts{vehicleLeft, vehicleLeft, vehicleLeft});
}

// The first vehicle in index order that touches the hedgehog, or -1.
int touching(const Lane &lane, float hogLeft, const LaneLefts &lefts)
{
    for (int i = 0; i < lane.count; ++i) {
        if (touchesOne(lane, hogLeft, lefts[std::size_t(i)]))
            return i;
    }
    return -1;
}

int panOf(const Lane &lane, float hogLeft, float vehicleLeft)
{
    const float apart = (vehicleLeft + lane.vehicleLength / 2) - (hogLeft + hedgehogWidth / 2);
    return std::clamp(int(std::lround(apart / panStepTwips)), -panSteps, panSteps);
}

LaneCue cueOf(const FieldView &field, int index)
{
    LaneCue cue;
    if (index < 0)
        return cue;
    const Lane &lane = *lanesBottomUp[std::size_t(index)];
    const float hog = field.hogLeft;
    LaneLefts lefts = field.vehicleLefts[std::size_t(index)];
    cue.lane = index;
    const int cover = touching(lane, hog, lefts);
    cue.covered = cover >= 0;
    if (cue.covered)
        cue.pan = panOf(lane, hog, lefts[std::size_t(cover)]);

    // Play the lane forward on a copy until a vehicle newly covers the
    // column: that tick is the arrival.
    const int period = std::max(1, field.msPerStep[std::size_t(index)]);
    int ms = std::max(0, field.msToNextStep[std::size_t(index)]);
    bool wasCovered = cue.covered;
    cue.arrivalSteps = arrivalCap;
    for (int tick = 1; tick <= searchTicks; ++tick, ms += period) {
        moveLane(lane, lefts);
        const int arriving = touching(lane, hog, lefts);
        if (arriving >= 0 && !wasCovered) {
            cue.arrivalSteps = std::min(arrivalCap, ms / arrivalStepMs);
            // Where it is now, had it not wrapped: its place upstream.
            if (!cue.covered)
                cue.pan = panOf(lane, hog, lefts[std::size_t(arriving)] - float(tick) * lane.step);
            break;
        }
        wasCovered = arriving >= 0;
    }
    return cue;
}

} // namespace

FieldView fieldOf(const QuillwayGame &game)
{
    FieldView field;
    field.hogLeft = game.Hog.Left();
    field.hogTop = game.Hog.Top();
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
    frame.lanes[0] = cueOf(field, laneAt(field.hogTop));
    if (field.hogTop > crossingTop)
        frame.lanes[1] = cueOf(field, laneAt(field.hogTop - rowStep));
    return frame;
}

} // namespace game
