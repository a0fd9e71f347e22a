// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lanes.h"

namespace game {

void moveLane(const Lane &lane, LaneLefts &lefts)
{
    for (int i = 0; i < lane.count; ++i)
        lefts[std::size_t(i)] += lane.step;

    // Every vehicle re-enters behind the one ahead of it in index order, the
    // first behind the last, reading where that one stands now: after its
    // move, and after its own wrap if it came earlier. That keeps the gaps
    // constant for ever.
    for (int i = 0; i < lane.count; ++i) {
        const float left = lefts[std::size_t(i)];
        const bool outOfField = lane.rightToLeft() ? left <= lane.leaveBound : left >= lane.leaveBound;
        if (!outOfField)
            continue;
        const int reference = i == 0 ? lane.count - 1 : i - 1;
        lefts[std::size_t(i)] = lefts[std::size_t(reference)] + lane.reentryOffset;
    }
}

bool inBand(const Lane &lane, float hogTop)
{
    return hogTop <= lane.bandLast && hogTop >= lane.bandFirst;
}

bool touchesVehicle(const Lane &lane, float hogLeft, float vehicleLeft)
{
    const float h = hogLeft;
    const float r = h + hedgehogWidth;
    const float v = vehicleLeft;
    // The hedgehog's right edge inside the vehicle, or its left edge.
    // Together: the open spans of hedgehog and vehicle overlap.
    return (r > v && v + lane.vehicleLength > r) || (h > v && v + lane.vehicleLength > h);
}

bool touches(const Lane &lane, float hogLeft, const LaneLefts &lefts)
{
    for (int i = 0; i < lane.count; ++i) {
        if (touchesVehicle(lane, hogLeft, lefts[std::size_t(i)]))
            return true;
    }
    return false;
}

void QuillwayGame::Timer1_Timer()
{
    laneTick(redCars);
}

void QuillwayGame::Timer2_Timer()
{
    laneTick(orangeCars);
}

void QuillwayGame::Timer3_Timer()
{
    laneTick(lorries);
}

void QuillwayGame::Timer4_Timer()
{
    laneTick(blueCars);
}

LaneLefts QuillwayGame::leftsOf(const Lane &lane) const
{
    LaneLefts lefts{};
    for (int i = 0; i < lane.count; ++i)
        lefts[std::size_t(i)] = (this->*lane.vehicles[std::size_t(i)]).Left();
    return lefts;
}

void QuillwayGame::laneTick(const Lane &lane)
{
    LaneLefts lefts = leftsOf(lane);
    moveLane(lane, lefts);
    for (int i = 0; i < lane.count; ++i)
        (this->*lane.vehicles[std::size_t(i)]).setLeft(lefts[std::size_t(i)]);

    if (hitBy(lane))
        Timer6.setEnabled(true);
    updateSound();
}

bool QuillwayGame::hitBy(const Lane &lane) const
{
    return inBand(lane, Hog.Top()) && touches(lane, Hog.Left(), leftsOf(lane));
}

} // namespace game
