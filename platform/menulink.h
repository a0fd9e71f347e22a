// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

class App;

// How the rules and game windows give control back to the main menu: restart
// its chase timer, then its blink timer, then show it (loading it anew if it
// was closed meanwhile).
void returnToMainMenu(App &app);

} // namespace platform
