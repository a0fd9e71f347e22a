// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "front/program.h"
#include "platform/app.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"

#include <QString>
#include <QTemporaryDir>
#include <array>
#include <random>

// The whole program played for a long stretch of virtual time by a seeded
// random player: menu clicks, the rules, keys in the game (mostly Up), pauses,
// closing the game window, and every box answered by script (the name box,
// "Play again?", the leave question, sometimes left open while time passes).
// After every event (a tick, a key, a click, a close) it checks what must
// always hold; play() stops at the first thing broken.
class SoakDriver
{
public:
    explicit SoakDriver(quint32 seed);

    // Plays until `ms` of virtual time have passed; returns what broke, or
    // an empty string.
    QString play(qint64 ms);

    struct Counts {
        qint64 ticks = 0;
        qint64 keys = 0;
        qint64 newGames = 0;
        qint64 leaves = 0;
        qint64 gameOvers = 0;
        qint64 highScores = 0;
    };
    const Counts &counts() const { return m_counts; }
    // Whether Qt delivers the windows' own events (repaints, the focus) as
    // play goes on; on by default. Off measures the game alone.
    void setWindowEvents(bool on) { m_windowEvents = on; }
    platform::testing::ManualClock &clock() { return m_clock; }

private:
    std::array<bool, 3> windowsShown() const;
    void act();
    void step();
    void pressKey();
    void leaveGame();
    void answerGameOver();
    QString broken();
    QString tableMismatch();
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    QTemporaryDir m_folder;
    platform::testing::ManualClock m_clock;
    platform::testing::ScriptedDialogs m_boxes{&m_clock};
    platform::App m_app{m_clock, m_boxes};
    front::Program m_program{m_app, m_folder.path()};
    std::mt19937 m_random;
    Counts m_counts;
    qsizetype m_boxesSeen = 0;
    bool m_careful = false;
    bool m_windowEvents = true;
};
