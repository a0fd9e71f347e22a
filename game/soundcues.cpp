// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcues.h"

#include "lanes.h"

#include "platform/app.h"
#include "platform/sound.h"

#include <cmath>

namespace game {

namespace {

using platform::Note;
using platform::Timbre;

// Row by row from the bottom verge to the top: a major pentatonic scale,
// C5 D5 E5 G5 A5 C6, so any two steps sound well together.
constexpr float rowPitches[] = {523.25f, 587.33f, 659.26f, 783.99f, 880.0f, 1046.5f};
constexpr float firstRowTop = 5520; // the bottom verge
// The hedgehog's columns run from 60 to 6960.
constexpr float middleColumn = 3510;
constexpr float halfRoad = 3450;
// The countdown's last quarter, in bar widths, and what a tick takes off.
constexpr float lastQuarter = 7245.0f / 4;
constexpr float barTick = 100;

constexpr float voiceLevel = 0.18f;
// Each lane a note of a major chord above the voice's own pitch, bottom lane
// lowest: red, orange, lorries, blue.
constexpr std::array<float, 4> lanePitchRatio{1.0f, 1.25f, 1.5f, 2.0f};

// The voice's pan for a cue's: even the nearest step off the middle is
// clearly to one side, the farthest all the way.
float panOf(int steps)
{
    if (steps == 0)
        return 0;
    const float side = 0.4f + 0.6f * float(std::abs(steps)) / float(panSteps);
    return steps < 0 ? -side : side;
}

} // namespace

float SoundCues::gapMs(int steps)
{
    // From 10 pulses a second at arrival down to one every 2.5 s ten seconds
    // away: each step of the cue a pace of its own.
    return 100.0f + 60.0f * float(std::max(0, steps));
}

SoundCues::SoundCues(platform::App &app, Announce announce)
    : m_app(app)
    , m_announce(std::move(announce))
    , m_on(app.screenReaderRunning())
{
    m_screenReader = QObject::connect(&app, &platform::App::screenReaderChanged,
                                      [this](bool running) { setOn(running, m_inPlay); });
}

SoundCues::~SoundCues()
{
    QObject::disconnect(m_screenReader);
    if (platform::Sound *sound = m_app.sound(); sound && sounding())
        sound->stop();
}

bool SoundCues::sounding() const
{
    platform::Sound *sound = m_app.sound();
    return sound && sound->started();
}

void SoundCues::toggle()
{
    setOn(!m_on, true);
}

void SoundCues::setOn(bool on, bool announce)
{
    if (on == m_on)
        return;
    m_on = on;
    if (announce)
        m_announce(on ? tr("Sound cues on") : tr("Sound cues off"));
    follow();
}

void SoundCues::setInPlay(bool inPlay)
{
    if (inPlay == m_inPlay)
        return;
    m_inPlay = inPlay;
    follow();
}

void SoundCues::follow()
{
    platform::Sound *sound = m_app.sound();
    const bool wanted = m_on && m_inPlay;
    if (wanted && !sounding()) {
        if (!sound || !sound->start(QStringLiteral("Quillway"))) {
            m_on = false;
            m_announce(tr("No sound device"));
        }
    } else if (!wanted && sounding()) {
        sound->stop();
    }
}

void SoundCues::lanes(const CueFrame &frame)
{
    if (!sounding())
        return;
    for (int i = 0; i < 2; ++i) {
        const LaneCue &cue = frame.lanes[std::size_t(i)];
        platform::Voice voice;
        voice.sounding = cue.lane >= 0;
        voice.steady = cue.covered;
        // The pulses' pace: the time until the next vehicle arrives; while
        // one covers the column, the held tone's throb: until it is free.
        voice.gapMs = gapMs(cue.arrivalSteps);
        voice.throbMs = gapMs(cue.clearSteps);
        voice.pan = panOf(cue.pan);
        voice.pitch = (i == 0 ? herePitch : aheadPitch) * lanePitchRatio[std::size_t(std::clamp(cue.lane, 0, 3))];
        voice.timbre = i == 0 ? Timbre::Reed : Timbre::Bell;
        voice.level = voiceLevel;
        m_app.sound()->setVoice(i, voice);
    }
}

void SoundCues::silenceLanes()
{
    if (!sounding())
        return;
    for (int i = 0; i < 2; ++i)
        m_app.sound()->setVoice(i, platform::Voice{});
}

void SoundCues::stepped(float top, float left)
{
    if (!sounding())
        return;
    const int row = std::clamp(int(std::lround((firstRowTop - top) / rowStep)), 0, 5);
    const float pitch = rowPitches[row];
    const float pan = std::clamp((left - middleColumn) / halfRoad, -1.0f, 1.0f);
    m_app.sound()->play({pitch, pitch, Timbre::Soft, 70, 0.15f, pan, 0});
}

void SoundCues::refused()
{
    if (sounding())
        m_app.sound()->play({110, 70, Timbre::Thud, 110, 0.3f, 0, 0});
}

void SoundCues::crossed()
{
    // A rising bell triad, C6 E6 G6.
    arpeggio({1046.5f, 1318.5f, 1568.0f}, {0, 0, Timbre::Bell, 400, 0.13f, 0, 0}, 90);
}

void SoundCues::hit()
{
    if (sounding())
        m_app.sound()->play({392, 98, Timbre::Reed, 450, 0.22f, 0, 0});
}

void SoundCues::newLevel()
{
    // Up the scale of the rows, a little later than the crossing's chime.
    arpeggio({523.25f, 659.26f, 783.99f, 1046.5f}, {0, 0, Timbre::Soft, 160, 0.12f, 0, 350}, 110);
}

void SoundCues::arpeggio(std::initializer_list<float> pitches, platform::Note note, float spacingMs)
{
    if (!sounding())
        return;
    for (const float pitch : pitches) {
        note.pitch = note.endPitch = pitch;
        m_app.sound()->play(note);
        note.delayMs += spacingMs;
    }
}

void SoundCues::countdown(float barWidth)
{
    if (!sounding() || barWidth > lastQuarter)
        return;
    // Every third tick, then every second, then each of the last five.
    const int left = int(barWidth / barTick);
    const int every = left > 12 ? 3 : left > 5 ? 2 : 1;
    if (left % every == 0)
        m_app.sound()->play({1760, 1760, Timbre::Soft, 30, 0.08f, 0, 0});
}

} // namespace game
