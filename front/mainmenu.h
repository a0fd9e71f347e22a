// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"

#include <array>
#include <optional>

namespace front {

// The start-up window and the hub of the program: the title, the items New
// Game, Rules and Quit, and the two title animations (the chase along the top
// and the cars and hedgehogs that swap sides every half second). The rules and
// game windows hand control back to it through takeControlBack, which the
// program hands them at start.
class MainMenu final : public platform::Form
{
    Q_DECLARE_TR_FUNCTIONS(front::MainMenu)

public:
    static constexpr char windowName[] = "MainMenu";

    explicit MainMenu(platform::App &app);

    void Form_Unload(int &Cancel) override;
    void NewGame_Click();
    void Help_Click();
    void Quit_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    // Control comes back from the rules or the game: restarts the chase
    // timer, then the blink timer, then shows the menu (loading it anew if it
    // was closed meanwhile).
    void takeControlBack();

    // Labels come before the images so that the images are painted over them.
    platform::Label Label1;
    platform::Label NewGame;
    platform::Label Help;
    platform::Label Quit;

    platform::Image Car;
    platform::Image Hedgehog;
    platform::Image Car1;
    platform::Image Car2;
    platform::Image Car3;
    platform::Image Car4;
    platform::Image Car5;
    platform::Image Hog1;
    platform::Image Hog2;
    platform::Image Hog3;
    platform::Image Hog4;
    platform::Image Hog5;

    platform::Timer Timer1;
    platform::Timer Timer2;

    // Which half of the blink comes next: 1 brings the hedgehogs back, anything
    // else (unset at first) brings the cars. It belongs to the window object,
    // so a menu closed and loaded again goes on with the phase it had.
    std::optional<int> BlinkPhase;

private:
    // Stops both title animations before another window takes over.
    void stopAnimations();
    std::array<platform::Image *, 5> blinkCars();
    std::array<platform::Image *, 5> blinkHogs();
};

} // namespace front
