// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lanes.h"

namespace game {

namespace {
// The width the hit test gives the hedgehog, whatever its picture's size.
constexpr float hedgehogWidth = 735;
} // namespace

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

void QuillwayGame::laneTick(const Lane &lane)
{
    for (int i = 0; i < lane.count; ++i) {
        platform::Image &vehicle = this->*lane.vehicles[std::size_t(i)];
        vehicle.setLeft(vehicle.Left() + lane.step);
    }

    // Every vehicle re-enters behind the one ahead of it in index order, the
    // first behind the last, reading where that one stands now: after its
    // move, and after its own wrap if it came earlier. That keeps the gaps
    // constant for ever.
    for (int i = 0; i < lane.count; ++i) {
        platform::Image &vehicle = this->*lane.vehicles[std::size_t(i)];
        const float left = vehicle.Left();
        const bool outOfField = lane.rightToLeft() ? left <= lane.leaveBound : left >= lane.leaveBound;
        if (!outOfField)
            continue;
        const int reference = i == 0 ? lane.count - 1 : i - 1;
        vehicle.setLeft((this->*lane.vehicles[std::size_t(reference)]).Left() + lane.reentryOffset);
    }

    if (hitBy(lane))
        Timer6.setEnabled(true);
    updateSound();
}

bool QuillwayGame::hitBy(const Lane &lane) const
{
    const float top = Hog.Top();
    if (top > lane.bandLast || top < lane.bandFirst)
        return false;

    const float h = Hog.Left();
    const float r = h + hedgehogWidth;
    // First the hedgehog's right edge inside a vehicle, then its left edge.
    // Together: the open spans of hedgehog and vehicle overlap.
    for (int i = 0; i < lane.count; ++i) {
        const float v = (this->*lane.vehicles[std::size_t(i)]).Left();
        if (r > v && v + lane.vehicleLength > r)
            return true;
    }
    for (int i = 0; i < lane.count; ++i) {
        const float v = (this->*lane.vehicles[std::size_t(i)]).Left();
        if (h > v && v + lane.vehicleLength > h)
            return true;
    }
    return false;
}

} // namespace game
