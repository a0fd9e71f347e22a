// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// One picture to check by eye: every sprite at the size the game shows it,
// enlarged four times, and its drawing at twice the pixels enlarged twice, on
// the colour of its window; and the icon.
// Needs a QGuiApplication for the captions.
QImage contactSheet();
