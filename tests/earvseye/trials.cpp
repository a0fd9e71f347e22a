// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trials.h"

#include "tests/game/gamerig.h"

#include "game/cues.h"
#include "platform/testing/inputdriver.h"

#include <algorithm>
#include <deque>
#include <random>

namespace earvseye {

namespace {

// How often a player looks or listens, and may act: the clock's grain.
constexpr int grainMs = 16;
// The traffic runs this long at most before an attempt, so that attempts
// meet it in every phase.
constexpr int warmUpMaxMs = 120000;
constexpr float fullBar = 7245;

Percept senseOf(const Player &player, const game::FieldView &field)
{
    // The ear's percept is made from the cue frame alone.
    return player.sense == Player::Ear ? earHears(game::cuesFor(field)) : eyeSees(field);
}

Outcome attempt(const Player &player, int level, quint32 warmUpMs)
{
    GameRig rig;
    game::QuillwayGame &g = rig.game();
    g.Timer5.setEnabled(false);
    rig.clock.advance(warmUpMs);

    // A full bar at the level's pace: the first tick writes the pace.
    g.Level = level;
    g.Lives = 3;
    g.Timer5.setEnabled(true);
    const qint32 before = g.Score;
    while (g.Score == before)
        rig.clock.step();
    g.Timer.setWidth(fullBar);
    const qint32 start = g.Score;

    Planner planner;
    std::deque<std::pair<qint64, Percept>> sensed;
    // Where the player knows it stands, from its own keys.
    int row = 0;
    float left = g.Hog.Left();
    qint64 lastKey = -Planner::keyGapMs;
    for (;;) {
        if (g.Timer6.Enabled())
            return g.Timer.Width() < 100 ? Outcome::TimedOut : Outcome::Hit;
        const qint64 now = rig.clock.now();
        Percept percept = senseOf(player, game::fieldOf(g));
        for (LaneBelief &b : percept) {
            b.sensedAt = now;
            b.sensedLeft = left;
        }
        sensed.emplace_back(now, percept);
        while (!sensed.empty() && sensed.front().first <= now - player.delayMs) {
            planner.sense(sensed.front().second);
            sensed.pop_front();
        }
        const int key = now - lastKey >= Planner::keyGapMs ? planner.decide(now, row, left) : 0;
        if (key != 0) {
            platform::testing::input::pressKey(g, key);
            lastKey = now;
            if (g.Score > start)
                return Outcome::Crossed;
            switch (key) {
            case Qt::Key_Up: ++row; break;
            case Qt::Key_Down: --row; break;
            case Qt::Key_Left: left -= 300; break;
            default: left += 300; break;
            }
            continue; // the key's own hit test has run: look again at once
        }
        rig.clock.advance(grainMs);
    }
}

} // namespace

std::vector<Outcome> play(const Player &player, int level, int attempts, quint32 seed)
{
    std::mt19937 random(seed + quint32(level));
    std::uniform_int_distribution<quint32> warmUp(0, warmUpMaxMs);
    std::vector<Outcome> outcomes;
    for (int i = 0; i < attempts; ++i)
        outcomes.push_back(attempt(player, level, warmUp(random)));
    return outcomes;
}

Comparison compare(const std::vector<Outcome> &first, const std::vector<Outcome> &second)
{
    const std::size_t n = std::min(first.size(), second.size());
    auto crossings = [&](const std::vector<std::size_t> &pick, const std::vector<Outcome> &outcomes) {
        return double(
            std::count_if(pick.begin(), pick.end(), [&](std::size_t i) { return outcomes[i] == Outcome::Crossed; }));
    };
    std::vector<std::size_t> all(n);
    for (std::size_t i = 0; i < n; ++i)
        all[i] = i;
    Comparison c;
    c.first = crossings(all, first) / double(n);
    c.second = crossings(all, second) / double(n);
    c.ratio = c.second > 0 ? c.first / c.second : 0;

    constexpr int resamples = 4000;
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::size_t> index(0, n - 1);
    std::vector<double> ratios;
    std::vector<std::size_t> pick(n);
    for (int r = 0; r < resamples; ++r) {
        for (std::size_t &i : pick)
            i = index(random);
        const double s = crossings(pick, second);
        ratios.push_back(s > 0 ? crossings(pick, first) / s : 0);
    }
    std::sort(ratios.begin(), ratios.end());
    c.low = ratios[std::size_t(resamples * 0.025)];
    c.high = ratios[std::size_t(resamples * 0.975) - 1];
    return c;
}

} // namespace earvseye
