// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "agents.h"

#include <QtGlobal>

#include <vector>

namespace earvseye {

// Who plays: what it senses and how late it acts on it.
struct Player {
    enum Sense { Eye, Ear } sense;
    // From the moment the game's state is sensed to a key acting on it.
    int delayMs;
};

// The reaction time of a player, and the sound's way to the ear: 512
// frames at 48 kHz, rounded up to the game clock's grain.
inline constexpr int reactionMs = 250;
inline constexpr int audioLatencyMs = 16;
inline constexpr Player eye{Player::Eye, reactionMs};
inline constexpr Player ear{Player::Ear, reactionMs + audioLatencyMs};
inline constexpr Player quickEye{Player::Eye, 0};

// How one attempt ended.
enum class Outcome { Crossed, Hit, TimedOut };

// Plays `attempts` attempts at `level`: each a game window on the manual
// clock, its traffic run for a seeded random while, then one hedgehog from
// the start with a full bar, played until it crosses, is hit or runs out of
// time. The same seed gives every player the same traffic.
std::vector<Outcome> play(const Player &player, int level, int attempts, quint32 seed);

// Crossings per attempt of two players on the same attempts, and the ratio
// of the first's to the second's with a 95 % interval (bootstrap over the
// paired attempts, seeded).
struct Comparison {
    double first = 0;
    double second = 0;
    double ratio = 0;
    double low = 0;
    double high = 0;
};
Comparison compare(const std::vector<Outcome> &first, const std::vector<Outcome> &second);

} // namespace earvseye
