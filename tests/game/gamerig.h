// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/quillwaygame.h"

#include "platform/app.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingsound.h"
#include "platform/testing/scripteddialogs.h"
#include "platform/timer.h"

#include <QTemporaryDir>

#include <memory>

// Stands in for the main menu, which a game hands control back to: its two
// animation timers, stopped as New Game leaves them.
class MenuStandIn final : public platform::Form
{
public:
    explicit MenuStandIn(platform::App &app)
        : Form(app, QStringLiteral("MainMenu"),
               {QStringLiteral("Quillway - Main Menu"), 4620, 4530, QColor(192, 192, 192), QString()})
    {
    }
    platform::Timer Timer1{this, QStringLiteral("Timer1"), 10, false, [] {}};
    platform::Timer Timer2{this, QStringLiteral("Timer2"), 500, false, [] {}};
};

// A game window on virtual time with scripted boxes, shown as New Game shows
// it. Nothing ticks until the test lets time pass.
struct GameRig {
    QTemporaryDir scores;
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs boxes{&clock};
    platform::App app{clock, boxes};
    platform::testing::RecordingSound sound;
    MenuStandIn menu{app};
    std::unique_ptr<game::QuillwayGame> window;

    // An empty folder means a fresh scratch folder with no table in it.
    explicit GameRig(const QString &folder = QString())
    {
        app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
        app.setSound(&sound);
        window = std::make_unique<game::QuillwayGame>(app, folder.isEmpty() ? scores.path() : folder);
        app.add(menu);
        app.add(*window);
        // As the real menu takes control back.
        window->returnToMenu = [this] {
            menu.Timer1.setEnabled(true);
            menu.Timer2.setEnabled(true);
            menu.Show();
        };
        window->Show();
    }

    game::QuillwayGame &game() { return *window; }

    // Puts every vehicle far off the field to the right of the left-driving
    // lanes and to the left of the right-driving ones, where no tick of the
    // test will bring it back and no hedgehog can meet it.
    void clearRoad()
    {
        game::QuillwayGame &g = game();
        for (platform::Image *v : {&g.RedCar1, &g.RedCar2, &g.RedCar3, &g.Lorry1, &g.Lorry2, &g.Lorry3})
            v->setLeft(50000);
        for (platform::Image *v : {&g.OrangeCar1, &g.OrangeCar2, &g.BlueCar1, &g.BlueCar2, &g.BlueCar3})
            v->setLeft(-50000);
    }

    // The last life of a game that has reached `score`, on a clear road.
    void lastLife(qint32 score)
    {
        clearRoad();
        game().Lives = 1;
        game().Score = score;
    }
};
