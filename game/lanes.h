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

// The width the hit test gives the hedgehog, whatever its picture's size.
inline constexpr float hedgehogWidth = 735;
// The hedgehog's rows are this far apart.
inline constexpr float rowStep = 1080;
// Up from a Top at or above this line (the top verge) is a crossing.
inline constexpr float crossingTop = 1080;

// The Lefts of a lane's vehicles in index order; the orange lane uses two.
using LaneLefts = std::array<float, 3>;

// One tick of a lane's traffic on its vehicles' Lefts: every vehicle moves
// one step, then every one that left the field re-enters behind the one
// ahead of it in index order.
void moveLane(const Lane &lane, LaneLefts &lefts);
// Whether a hedgehog at `hogLeft` touches one of the lane's vehicles,
// wherever it stands: the lane's hit test without its band.
bool touches(const Lane &lane, float hogLeft, const LaneLefts &lefts);
// Whether a hedgehog at `hogLeft` touches the one vehicle at `vehicleLeft`.
bool touchesVehicle(const Lane &lane, float hogLeft, float vehicleLeft);
// Whether the lane can hit a hedgehog whose Top is `hogTop`.
bool inBand(const Lane &lane, float hogTop);

inline constexpr Lane redCars{
    {&QuillwayGame::RedCar1, &QuillwayGame::RedCar2, &QuillwayGame::RedCar3}, 3, -300, -1815, 4500, 3660, 4440, 1815};
inline constexpr Lane orangeCars{
    {&QuillwayGame::OrangeCar1, &QuillwayGame::OrangeCar2, nullptr}, 2, 300, 7580, -5280, 3360, 4140, 1815};
inline constexpr Lane lorries{
    {&QuillwayGame::Lorry1, &QuillwayGame::Lorry2, &QuillwayGame::Lorry3}, 3, -300, -2790, 4320, 2280, 3060, 2790};
inline constexpr Lane blueCars{
    {&QuillwayGame::BlueCar1, &QuillwayGame::BlueCar2, &QuillwayGame::BlueCar3}, 3, 300, 7580, -3720, 1200, 1980, 1815};

// Bottom lane first, the order in which a key press tests them.
inline constexpr std::array<const Lane *, 4> lanesBottomUp{&redCars, &orangeCars, &lorries, &blueCars};

} // namespace game
