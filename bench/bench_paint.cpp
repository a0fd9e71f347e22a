// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What drawing the game costs: the game window with its traffic moving, one
// lane tick and one repaint at a time, rendered offscreen. Prints the time per
// frame. Usage: QT_QPA_PLATFORM=offscreen bench_paint [frames] (default 2000).
#include "game/quillwaygame.h"
#include "platform/app.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 2000;
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs boxes(&clock);
    platform::App app(clock, boxes);
    QTemporaryDir scores;
    game::QuillwayGame game(app, scores.path());
    app.add(game);
    app.dispatch([&] { game.Show(); });

    QImage frame(game.widget()->size(), QImage::Format_RGB32);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < frames; ++i) {
        clock.advance(50); // a few lane ticks and countdown ticks
        QPainter painter(&frame);
        game.widget()->render(&painter);
    }
    const double ms = double(elapsed.nsecsElapsed()) / 1e6;
    std::printf("%d frames of the game window: %.3f ms a frame (whole window, with ticks)\n", frames, ms / frames);
    return 0;
}
