// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chase.h"

#include "assets/assets.h"
#include "platform/image.h"

namespace front {

namespace {
// The hedgehog runs slower than the car, so the car closes in by 15 twips a
// tick; the car starts 5000 twips behind, and both are off the right edge of
// either window before the car's bonnet could reach the hedgehog.
constexpr float hedgehogStep = 25;
constexpr float carStep = 40;
// Once the car is this far right, both start over from the left.
constexpr float carTurnAround = 5000;
constexpr float carStart = -6000;
constexpr float hedgehogStart = -1000;

platform::ImageLayout chaserLayout(const char *name, float left, int width, const char *picture, int top)
{
    return {.name = QString::fromLatin1(name),
            .left = int(left),
            .top = top,
            .width = width,
            .height = 720,
            .visible = true,
            .stretch = false,
            .picture = QString::fromLatin1(picture)};
}
} // namespace

platform::ImageLayout chaseCarLayout(int top)
{
    return chaserLayout("Car", carStart, 1440, assets::sideCar, top);
}

platform::ImageLayout chaseHedgehogLayout(int top)
{
    return chaserLayout("Hedgehog", hedgehogStart, 930, assets::sideHog, top);
}

void chaseTick(platform::Image &car, platform::Image &hedgehog)
{
    // Positions live in the images only: every value is read back afresh.
    hedgehog.setLeft(hedgehog.Left() + hedgehogStep);
    car.setLeft(car.Left() + carStep);
    if (car.Left() >= carTurnAround) {
        car.setLeft(carStart);
        hedgehog.setLeft(hedgehogStart);
    }
}

} // namespace front
