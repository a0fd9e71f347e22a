// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"

#include <functional>

namespace front {

// The rules window: five paragraphs on how the game is played, above the same
// chase as on the main menu. It has no buttons; closing it gives control back
// to the menu, and the next opening loads it afresh, chase from the start.
class Rules final : public platform::Form
{
    Q_DECLARE_TR_FUNCTIONS(front::Rules)

public:
    static constexpr char windowName[] = "Rules";

    explicit Rules(platform::App &app);

    void Form_Unload(int &Cancel) override;
    void Timer1_Timer();

    platform::Label Label6;
    platform::Label Label2;
    platform::Label Label3;
    platform::Label Label4;
    platform::Label Label5;
    platform::Label Label7;

    platform::Image Car;
    platform::Image Hedgehog;

    platform::Timer Timer1;

    // Gives control back to the main menu (handed in by the program at start).
    std::function<void()> returnToMenu;
};

} // namespace front
