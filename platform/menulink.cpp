// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "menulink.h"

#include "app.h"
#include "form.h"
#include "timer.h"

namespace platform {

void returnToMainMenu(App &app)
{
    Form &menu = app.form(QStringLiteral("MainMenu"));
    menu.timer(QStringLiteral("Timer1")).setEnabled(true);
    menu.timer(QStringLiteral("Timer2")).setEnabled(true);
    menu.Show();
}

} // namespace platform
