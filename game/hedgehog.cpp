// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lanes.h"

#include "platform/keys.h"

namespace game {

namespace {

constexpr float sideStep = 300;
constexpr float bottomRow = 5520;
constexpr float leftmostRefused = 300;
constexpr float rightmostRefused = 6750;

constexpr qint32 pointsPerCrossing = 1000;

// The level a crossing gives: 1 below 5000, then one level more for every
// 5000 beyond, up to 10 above 45000. A score of exactly 5000 matches no step
// of the ladder, so the level stays what it was.
int levelAfterCrossing(qint32 score, int level)
{
    if (score < 5000)
        level = 1;
    for (int next = 2; next <= 10; ++next) {
        if (score > 5000 * (next - 1))
            level = next;
    }
    return level;
}

} // namespace

void QuillwayGame::Form_KeyDown(int KeyCode, int Shift)
{
    Q_UNUSED(Shift)

    // The sound is the player's, not the game's: it switches at any time.
    if (KeyCode == platform::vk::S)
        soundCues.toggle();

    // While the hedgehog lies squashed no key counts, the pause key included.
    if (!dying()) {
        const bool moving = Paused == 0;
        switch (KeyCode) {
        case platform::vk::Up:
            if (!moving)
                break;
            if (Hog.Top() <= crossingTop)
                cross();
            else
                move(true, 0, -rowStep);
            break;
        case platform::vk::Down:
            if (moving)
                move(Hog.Top() < bottomRow, 0, rowStep);
            break;
        case platform::vk::Left:
            if (moving)
                move(Hog.Left() > leftmostRefused, -sideStep, 0);
            break;
        case platform::vk::Right:
            if (moving)
                move(Hog.Left() < rightmostRefused, sideStep, 0);
            break;
        case platform::vk::P: togglePause(); break;
        default: break;
        }
    }

    // After every key, whatever it did: the hedgehog may have stepped into a
    // vehicle. Bands are taken bottom lane first; the first touch decides.
    for (const Lane *lane : {&redCars, &orangeCars, &lorries, &blueCars}) {
        if (hitBy(*lane)) {
            Timer6.setEnabled(true);
            break;
        }
    }
    updateSound();
}

void QuillwayGame::move(bool allowed, float dLeft, float dTop)
{
    if (!allowed) {
        soundCues.refused();
        return;
    }
    Hog.setLeft(Hog.Left() + dLeft);
    Hog.setTop(Hog.Top() + dTop);
    soundCues.stepped(Hog.Top(), Hog.Left());
}

void QuillwayGame::cross()
{
    const int levelBefore = Level;
    Score += pointsPerCrossing;
    Level = levelAfterCrossing(Score, Level);
    showTitle(false);
    Timer.setWidth(fullBar);
    hogToStart();
    soundCues.crossed();
    if (Level != levelBefore)
        soundCues.newLevel();
}

void QuillwayGame::togglePause()
{
    if (Paused == 1) {
        showTitle(false);
        startTimers();
        Paused = 0;
        announce(tr("Resumed"));
    } else {
        showTitle(true);
        stopTimers();
        Paused = 1;
        announce(tr("Paused"));
    }
}

} // namespace game
