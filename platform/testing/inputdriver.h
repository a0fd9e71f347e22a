// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <QtGlobal>

namespace platform {
class Form;
class Label;
} // namespace platform

namespace platform::testing {

// What a player does to the program, sent through the same Qt events the
// window system sends, for tests: a key and click driver, not the player.
namespace input {
// Presses and releases a key in the window (Qt key, e.g. Qt::Key_Up), with
// the native scan code of its place on the keyboard, where it matters.
void pressKey(Form &form, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0);
// Clicks the middle of a label.
void click(Label &label);
// Clicks a point of the window, in logical pixels.
void clickAt(Form &form, int x, int y);
// Closes the window by its close box.
void close(Form &form);
// Switches to the window, as clicking it would (the focus lands on it).
void switchTo(Form &form);
// Moves the focus away from the program (another application).
void leaveProgram(Form &form);
} // namespace input

} // namespace platform::testing
