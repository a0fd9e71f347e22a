// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {
class Image;
struct ImageLayout;
} // namespace platform

namespace front {

// One tick of the car-chases-hedgehog animation that runs along the main menu
// and along the foot of the rules window. Both windows move their own pair of
// images with this one routine, so the two can never drift apart.
void chaseTick(platform::Image &car, platform::Image &hedgehog);

// The layouts of the chase's car and hedgehog, at their starting places on
// the row whose top is `top`, drawn at their own size.
platform::ImageLayout chaseCarLayout(int top);
platform::ImageLayout chaseHedgehogLayout(int top);

} // namespace front
