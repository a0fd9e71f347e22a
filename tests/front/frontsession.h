// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "front/program.h"

#include "platform/app.h"
#include "platform/clock.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"

#include <QString>
#include <QTemporaryDir>

// The whole program on virtual time with scripted boxes, started as a player
// starts it: the main menu shown at time 0. Ending the program throws instead
// of leaving the test process, and the layer turns that into hasEnded().
struct FrontSession {
    // A 10 ms timer ticks at the layer's resolution.
    static constexpr int chasePeriod = platform::Clock::resolutionMs;
    static constexpr int blinkPeriod = 500;

    QTemporaryDir scoresFolder; // empty: the game finds no table and goes on
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs boxes{&clock};
    platform::App app{clock, boxes};
    front::Program program{app, scoresFolder.path()};
    front::MainMenu &menu = program.mainMenu;
    front::Rules &rules = program.rules;

    FrontSession()
    {
        app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
        program.start();
    }

    // Runs code the way another window's handler would run it.
    template<typename F>
    void inHandler(F &&code)
    {
        app.dispatch(std::forward<F>(code));
    }

    // "cars" when the five blinking cars are shown and the five hedgehogs
    // hidden, "hedgehogs" for the opposite, "mixed" otherwise.
    QString blinkState()
    {
        int carsShown = 0;
        int hogsShown = 0;
        for (platform::Image *car : {&menu.Car1, &menu.Car2, &menu.Car3, &menu.Car4, &menu.Car5})
            carsShown += car->Visible() ? 1 : 0;
        for (platform::Image *hog : {&menu.Hog1, &menu.Hog2, &menu.Hog3, &menu.Hog4, &menu.Hog5})
            hogsShown += hog->Visible() ? 1 : 0;
        if (carsShown == 5 && hogsShown == 0)
            return QStringLiteral("cars");
        if (carsShown == 0 && hogsShown == 5)
            return QStringLiteral("hedgehogs");
        return QStringLiteral("mixed");
    }
};
