// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace platform {

// Key codes as the windows' KeyDown handlers receive them (Windows virtual-key
// codes).
namespace vk {
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int P = 80;
constexpr int S = 83;
} // namespace vk

// The virtual-key code of a Qt key, or 0 for a key that has none. The keypad
// modifier tells the number pad's keys from their twins. A key whose
// character has no code of its own (a Cyrillic or Greek letter, a dead key,
// Compose) gets the code of its place on the keyboard, told by the native
// scan code (the X and Wayland keycode, evdev code + 8), so the key in P's
// place pauses (and the key in S's place switches the sound) whatever the
// layout; a pressed key with no known place still
// gets a code, as the desktop gives its unnamed keys.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 nativeScanCode = 0);
// The shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace platform
