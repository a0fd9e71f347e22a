// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/app.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"
#include "platform/timer.h"

#include <QStringList>
#include <functional>

// A window made for the layer's tests: it records every handler it runs, and
// its timers and label run whatever the test puts in `onTick` / `onClick`.
class TestWindow : public platform::Form
{
public:
    TestWindow(platform::App &app, const QString &name, const QString &backPicture = {},
               const QString &frontPicture = {})
        : Form(app, name, {name + QStringLiteral(" caption"), 1500, 1200, QColor(128, 128, 128), {}})
        , Back(this, {QStringLiteral("Back"), 150, 150, 600, 300, true, true, backPicture})
        , Caption1(this, {QStringLiteral("Caption1"), QStringLiteral("Click"), 0, 0, 900, 450},
                   [this] { record(QStringLiteral("Caption1_Click")); })
        , Front(this, {QStringLiteral("Front"), 300, 150, 600, 300, true, false, frontPicture})
        , Timer1(this, QStringLiteral("Timer1"), 300, true, [this] { tick(1); })
        , Timer2(this, QStringLiteral("Timer2"), 300, false, [this] { tick(2); })
    {
    }

    void Form_Load() override { record(QStringLiteral("Form_Load")); }
    void Form_Activate() override { record(QStringLiteral("Form_Activate")); }
    void Form_KeyDown(int KeyCode, int Shift) override
    {
        record(QStringLiteral("KeyDown %1 %2").arg(KeyCode).arg(Shift));
    }
    void Form_Unload(int &Cancel) override
    {
        record(QStringLiteral("Form_Unload"));
        Cancel = cancelUnload;
    }

    platform::Image Back;
    platform::Label Caption1;
    platform::Image Front;
    platform::Timer Timer1;
    platform::Timer Timer2;

    QStringList log;
    QList<qint64> ticks[3];
    std::function<void(int)> onTick;
    int cancelUnload = 0;

private:
    void record(const QString &what) { log << what; }
    void tick(int which)
    {
        ticks[which] << app().clock().now();
        if (onTick)
            onTick(which);
    }
};

// The program around the test windows, on virtual time and scripted boxes;
// ending the program unwinds instead of leaving the test.
struct TestProgram {
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs boxes{&clock};
    platform::App app{clock, boxes};
    TestProgram()
    {
        app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
    }
};
