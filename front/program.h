// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/quillwaygame.h"
#include "mainmenu.h"
#include "rules.h"

#include <QString>

namespace platform {
class App;
}

namespace front {

// The program's three windows, created once and registered by name so that
// each can reach the others; the rules and the game hand control back to the
// menu through the hook the program gives them. Built on whatever App it is given, so the tests
// run the whole program on a manual clock with scripted boxes.
class Program
{
public:
    Program(platform::App &app, const QString &scoresFolder);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Shows the main menu, the only window loaded at start.
    void start();

    platform::App &app;
    // Created in this order, which is also the order their timers tick in
    // when they fall due together.
    MainMenu mainMenu;
    Rules rules;
    game::QuillwayGame game;
};

// Runs the game: a real clock, real boxes, the three windows and the event
// loop. Only the program's own name is passed on to Qt; the command line is
// otherwise ignored.
int run(const char *programName);

} // namespace front
