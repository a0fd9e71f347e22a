// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// Draws every picture of the game, background included, at its own pixel size
// times `scale`: the same drawing with two or three times the pixels each way
// for high-resolution screens.
namespace pictures {

// Game window: the countdown bar and the vehicles (vehicles.cpp).
QImage bar(int scale);
QImage redCar(int scale);
QImage blueCar(int scale); // the red car mirrored and repainted blue
QImage orangeCar(int scale);
QImage lorry(int scale);

// Game window: the hedgehog from above, alive and squashed (hedgehogs.cpp).
QImage hog(int scale);
QImage hogDead(int scale);

// Menu and rules windows: the chase pictures seen from the side (sideview.cpp).
QImage sideCar(int scale);
QImage sideHog(int scale);

// The program icon at size x size pixels, using only iconPalette() colours (icon.cpp).
QImage icon(int size);
// The same, sampled without smoothing, for the 16-colour icon file.
QImage paletteIcon(int size);
const QList<QRgb> &iconPalette();

} // namespace pictures
