// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace platform {

class Form;

// What screen readers see of the windows. The layer paints its labels and
// pictures itself, so Qt knows nothing of them; this tells it. A window is a
// frame named by its title, with one child per label in layout order (menu
// items as push buttons whose press is their click, other labels as text; a
// window of text read on opening is a dialog),
// then the window's status lines and its latest announcement. Pictures are
// decoration and are left out.
namespace accessible {
// Tells Qt how to describe the windows; the windows call it as they are made.
void install();
// The keyboard selected another label of the window.
void focusMoved(Form &form);
// A status line of the window is new, or has changed from `before`.
void statusChanged(Form &form, int line, const std::optional<QString> &before);
// The window has a new announcement to be read out; `first` for its first.
void announced(Form &form, bool first);
} // namespace accessible

} // namespace platform
