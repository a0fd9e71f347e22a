// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quillwaygame.h"

#include <array>

namespace game {

// One lane of traffic: its vehicles and the constants its tick runs on. The
// four lanes differ only in these numbers. All lengths are twips.
struct Lane {
    // In index order: vehicle 1 leads, each next one follows one gap behind.
    std::array<platform::Image QuillwayGame::*, 3> vehicles;
    int count;
    // Signed: negative for a lane that drives right to left.
    float step;
    // A vehicle that reaches this Left (or passes it) has left the field.
    float leaveBound;
    // Added to the Left of the vehicle it re-enters behind.
    float reentryOffset;
    // The hedgehog's Tops, both included, at which this lane can hit it.
    float bandFirst;
    float bandLast;
    float vehicleLength;

    bool rightToLeft() const { return step < 0; }
};

inline constexpr Lane redCars{
    {&QuillwayGame::RedCar1, &QuillwayGame::RedCar2, &QuillwayGame::RedCar3}, 3, -300, -1815, 4500, 3660, 4440, 1815};
inline constexpr Lane orangeCars{
    {&QuillwayGame::OrangeCar1, &QuillwayGame::OrangeCar2, nullptr}, 2, 300, 7580, -5280, 3360, 4140, 1815};
inline constexpr Lane lorries{
    {&QuillwayGame::Lorry1, &QuillwayGame::Lorry2, &QuillwayGame::Lorry3}, 3, -300, -2790, 4320, 2280, 3060, 2790};
inline constexpr Lane blueCars{
    {&QuillwayGame::BlueCar1, &QuillwayGame::BlueCar2, &QuillwayGame::BlueCar3}, 3, 300, 7580, -3720, 1200, 1980, 1815};

} // namespace game
