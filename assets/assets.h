// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the game's pictures live among the compiled-in resources. Every
// picture is a 24-bit uncompressed bitmap, drawn also at two and three times
// its pixels for high-resolution screens.
namespace assets {

// Makes sure the resources are registered (the library is static).
void init();

// The drawing of the picture (or icon file) at `scale` times its pixels,
// named as Qt names such variants: ":/pictures/hog.bmp" at 2 is
// ":/pictures/hog@2x.bmp". Scale 1 is the path itself.
QString atScale(const QString &path, int scale);
inline constexpr int largestScale = 3;

inline constexpr char bar[] = ":/pictures/bar.bmp";             // 483 x 12
inline constexpr char redCar[] = ":/pictures/redcar.bmp";       // 74 x 28
inline constexpr char blueCar[] = ":/pictures/bluecar.bmp";     // 74 x 28
inline constexpr char orangeCar[] = ":/pictures/orangecar.bmp"; // 74 x 28
inline constexpr char lorry[] = ":/pictures/lorry.bmp";         // 114 x 28
inline constexpr char hog[] = ":/pictures/hog.bmp";             // 66 x 76, from above
inline constexpr char hogDead[] = ":/pictures/hogdead.bmp";     // 95 x 104, squashed
inline constexpr char sideCar[] = ":/pictures/sidecar.bmp";     // 96 x 48, side view
inline constexpr char sideHog[] = ":/pictures/sidehog.bmp";     // 62 x 48, side view
inline constexpr char icon[] = ":/icons/quillway.ico";          // 32 x 32 and 16 x 16

} // namespace assets
