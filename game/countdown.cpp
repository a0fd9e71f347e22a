// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quillwaygame.h"

#include <optional>

namespace game {

namespace {

constexpr float barPerTick = 100;

// The countdown's pace: 300 ms a tick at level 1, 25 ms less for each level
// above, 75 ms at level 10. Nothing for a level outside 1 to 10.
std::optional<int> countdownInterval(int level)
{
    if (level < 1 || level > 10)
        return std::nullopt;
    return 325 - 25 * level;
}

} // namespace

void QuillwayGame::Timer5_Timer()
{
    // A bar too short for another tick cannot be narrowed below zero: that
    // is the time-out, and the score and title stay as they are.
    const float width = Timer.Width() - barPerTick;
    if (width < 0) {
        Timer6.setEnabled(true);
    } else {
        Timer.setWidth(width);
        --Score;
        showTitle(false);
        soundCues.countdown(width);
    }

    // Written at every tick, so a level set by a crossing takes effect from
    // the tick after this one.
    if (const std::optional<int> interval = countdownInterval(Level))
        Timer5.setInterval(*interval);
    updateSound();
}

} // namespace game
