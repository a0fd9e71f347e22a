// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// Draws every picture of the game at its own pixel size, background included.
namespace pictures {

// Game window: the countdown bar and the vehicles (vehicles.cpp).
QImage bar();
QImage redCar();
QImage blueCar(); // the red car mirrored and repainted blue
QImage orangeCar();
QImage lorry();

// Game window: the hedgehog from above, alive and squashed (hedgehogs.cpp).
QImage hog();
QImage hogDead();

// Menu and rules windows: the chase pictures seen from the side (sideview.cpp).
QImage sideCar();
QImage sideHog();

// The program icon at size x size pixels, using only iconPalette() colours (icon.cpp).
QImage icon(int size);
const QList<QRgb> &iconPalette();

} // namespace pictures
