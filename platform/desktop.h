// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

class App;

// Runs the program on the desktop: Qt's application, given no command line
// (not even Qt's own options), the real clock, the real boxes and the game
// controllers (see Gamepads). `body`
// creates the windows, shows the first one and returns eventLoop().
// On GNOME's Wayland session it runs through XWayland (see platformFor).
// The program writes no log: Qt's own messages are dropped, except one line
// on standard error when the display cannot be reached or goes away (see
// DisplayWatch).
int runOnDesktop(const char *programName, const std::function<int(App &)> &body);

// Delivers the player's events until the program ends.
int eventLoop();

} // namespace platform
