// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the game's pictures live among the compiled-in resources. Every
// picture is a 24-bit uncompressed bitmap, drawn also at two and three times
// its pixels for high-resolution screens (hog@2x.bmp, hog@3x.bmp: see
// platform::pictures::atScale).
namespace assets {

// Makes sure the resources are registered (the library is static).
void init();

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
// The folder of the compiled translations, quillway_<language>.qm.
inline constexpr char translations[] = ":/i18n";

} // namespace assets
