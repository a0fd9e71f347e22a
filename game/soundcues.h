// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cues.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>

#include <functional>
#include <initializer_list>

namespace platform {
class App;
struct Note;
} // namespace platform

namespace game {

// What the game sounds, for a player who cannot see the road. Two voices
// tell of the lanes still to cross (the nearer in a reed, the farther in a
// bell, each lane at its own pitch; of three or four lanes, pairs take
// turns): pulses that come faster as the next vehicle nears the hedgehog's
// column, a held tone while one covers it, panned towards the vehicle. Short sounds mark a step (higher row by row),
// a refused move, a crossing, a hit, a new level and the last quarter of the
// countdown. The lane voices are made from a CueFrame and nothing else.
//
// The cues are on while a screen reader runs, and S (or a pad's Back button)
// switches them for anyone; each change is announced. They sound only while
// the game is in play: off, paused or out of play, no device is open.
// Nothing here changes the game.
class SoundCues
{
    Q_DECLARE_TR_FUNCTIONS(game::SoundCues)

public:
    // The two lane voices, the nearer lane first, at these pitches for the
    // red cars and a major chord higher lane by lane.
    static constexpr float herePitch = 220;  // A3, a reed
    static constexpr float aheadPitch = 660; // E5, a bell
    // The gap between pulses for a vehicle `steps` cue steps away.
    static float gapMs(int steps);

    using Announce = std::function<void(const QString &)>;
    SoundCues(platform::App &app, Announce announce);
    ~SoundCues();
    SoundCues(const SoundCues &) = delete;
    SoundCues &operator=(const SoundCues &) = delete;

    bool on() const { return m_on; }
    bool sounding() const;
    // S: off to on, on to off.
    void toggle();
    // Whether the game is in play (its window shown, not paused).
    void setInPlay(bool inPlay);

    // What the lane voices sound now; nothing while the hedgehog lies squashed.
    void lanes(const CueFrame &frame);
    void silenceLanes();
    // The hedgehog moved to `top`, `left` (twips).
    void stepped(float top, float left);
    void refused();
    void crossed();
    void hit();
    void newLevel();
    // The countdown ticked, leaving the bar this wide.
    void countdown(float barWidth);

private:
    void setOn(bool on, bool announce);
    // The notes one after the other, `spacingMs` apart, each as `note`.
    void arpeggio(std::initializer_list<float> pitches, platform::Note note, float spacingMs);
    void follow();

    platform::App &m_app;
    Announce m_announce;
    QMetaObject::Connection m_screenReader;
    bool m_on = false;
    bool m_inPlay = false;
};

} // namespace game
