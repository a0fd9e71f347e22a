// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

namespace game {

class QuillwayGame;

// The field as the sound cues read it: the hedgehog and every vehicle, in
// twips, and where each lane's timer stands. Lanes bottom first: red cars,
// orange cars, lorries, blue cars (the orange lane has two vehicles, its
// third Left is unused). The lanes move in steps; the time to the next step
// makes arrival times finer than a step.
struct FieldView {
    float hogLeft = 0;
    float hogTop = 0;
    std::array<std::array<float, 3>, 4> vehicleLefts{};
    std::array<int, 4> msToNextStep{}; // 0 when due now or unknown (paused)
    std::array<int, 4> msPerStep{};    // each lane timer's interval
    qint64 clockMs = 0;                // the game clock's time: which lanes sound turns with it
};

// Reads the images and the four lane timers of a game window.
FieldView fieldOf(const QuillwayGame &game);

// The exact times of one lane (0 red .. 3 blue) at the hedgehog's column,
// as the lanes' own move and hit rule play out if the hedgehog stays where it
// is. The cues round these; a player by eye could read them off the road.
struct LaneTiming {
    bool covered = false;   // a vehicle covers the column now
    int clearMs = -1;       // while covered: until the tick that frees the column
    int arrivalMs = -1;     // until the tick at which the next vehicle (after the
                            // covering one, if any) covers the column
    float coveringLeft = 0; // the covering vehicle's Left, while covered
    float arrivingLeft = 0; // the arriving vehicle's Left now, had it not wrapped
};
LaneTiming timingOf(const FieldView &field, int lane);

// The resolution and range of the times a lane cue carries. Rounded down, a
// time steps down exactly k steps before its moment, so a sound that changes
// with each step tells the moment to the instant, not just to the step.
inline constexpr int arrivalStepMs = 250;
inline constexpr int arrivalCap = 40; // 10 s: this and anything later sound alike
// With more lanes ahead than voices, each pair sounds this long in turn.
inline constexpr int laneTurnMs = 250;
// Pan runs from -panSteps (far left of the hedgehog) to +panSteps (far right).
inline constexpr int panSteps = 3;

// What the cues sound of one lane. Everything here is meant to be heard: the
// synthesiser receives these values and nothing else of the field, so a
// player by ear knows what this holds, no more.
struct LaneCue {
    int lane = -1;         // 0 red, 1 orange, 2 lorries, 3 blue; -1: none (a silent voice)
    bool covered = false;  // a vehicle covers the hedgehog's column now: being there is a hit
    int clearSteps = -1;   // while covered: until the covering vehicle has passed, in
                           // arrivalStepMs, rounded down, at most arrivalCap; -1 when free
    int arrivalSteps = -1; // until the next vehicle reaches the column (after the one covering
                           // it, if any), in arrivalStepMs, rounded down, at most arrivalCap;
                           // -1 only for no lane
    int pan = 0;           // where that vehicle is (the covering one while covered), relative
                           // to the hedgehog: -panSteps .. +panSteps. An approaching vehicle is
                           // upstream: right of the hedgehog in the right-to-left lanes (red,
                           // lorries), left of it in the others, wherever the hedgehog stands.
};

// The lane cues of one moment: two lanes at most, taken from the lanes still
// to cross (from the one the hedgehog stands in, else the one Up enters, up
// to the blue cars). Two or fewer such lanes sound together all the time,
// the nearer one in lanes[0]; of three or four, the nearest two and the
// others take turns of laneTurnMs, so that every lane on the way is heard
// twice a second. On the top verge nothing sounds.
struct CueFrame {
    std::array<LaneCue, 2> lanes;
};

CueFrame cuesFor(const FieldView &field);

} // namespace game
