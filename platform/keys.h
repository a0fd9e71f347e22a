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
constexpr int Space = 32;
constexpr int P = 80;
} // namespace vk

// The virtual-key code of a Qt key, or 0 for a key that has none. The keypad
// modifier tells the number pad's keys from their twins.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace platform
