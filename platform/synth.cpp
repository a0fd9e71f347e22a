// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace platform {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2 * pi;
// Phases wrap after this many cycles: a whole number of cycles of every
// partial below, so wrapping never jumps.
constexpr double phaseWrap = 100;

constexpr float attackMs = 6;   // a pulse or note rises this long: no click
constexpr float releaseMs = 12; // and falls this long at its end
constexpr float longestPulseMs = 90;
constexpr float steadySlewMs = 25; // a held tone fades in and out this fast
constexpr float panSlewMs = 40;
constexpr float glideMs = 6;
constexpr double throbDepth = 0.35;
constexpr std::size_t notePool = 32;

// A smooth rise from 0 to 1 over `length` samples.
float rise(double t, double length)
{
    if (t >= length)
        return 1;
    return float(0.5 - 0.5 * std::cos(pi * t / length));
}

// Leaves the usual levels alone and bends anything louder softly under
// full scale, rather than clipping it.
float limit(float x)
{
    constexpr float knee = 0.6f;
    const float size = std::abs(x);
    if (size <= knee)
        return x;
    const float bent = knee + (1 - knee) * std::tanh((size - knee) / (1 - knee));
    return x < 0 ? -bent : bent;
}

} // namespace

namespace {

// A periodic wave from a table of one cycle, linearly interpolated: far
// cheaper than std::sin, and its error (under 1e-6 of full scale) far below
// hearing.
class WaveTable
{
public:
    static constexpr int size = 4096;
    // One cycle of the sum of the partials, harmonic number and strength.
    explicit WaveTable(std::initializer_list<std::pair<int, double>> partials)
    {
        double total = 0;
        for (const auto &partial : partials)
            total += partial.second;
        for (int i = 0; i <= size; ++i) {
            double value = 0;
            for (const auto &[harmonic, strength] : partials)
                value += strength * std::sin(twoPi * harmonic * i / size);
            m_values[std::size_t(i)] = float(value / total);
        }
    }
    float operator()(double cycles) const
    {
        const double position = (cycles - std::floor(cycles)) * size;
        const int i = int(position);
        const float fraction = float(position - i);
        return m_values[std::size_t(i)] + fraction * (m_values[std::size_t(i) + 1] - m_values[std::size_t(i)]);
    }

private:
    std::array<float, size + 1> m_values{};
};

const WaveTable sine{{1, 1.0}};
// The harmonic timbres, each in one table: one look-up a sample.
const WaveTable soft{{1, 1.0}, {2, 0.15}};
const WaveTable reed{{1, 1.0}, {2, 0.5}, {3, 0.33}, {4, 0.2}, {5, 0.1}};

// The sample of a timbre at a phase (in cycles), before any envelope.
float timbreSample(Timbre timbre, double phase)
{
    switch (timbre) {
    case Timbre::Soft: return soft(phase);
    case Timbre::Reed: return reed(phase);
    case Timbre::Bell: return (sine(phase) + 0.35f * sine(2.76 * phase) + 0.12f * sine(5.4 * phase)) / 1.3f;
    case Timbre::Thud: return (sine(phase) + 0.25f * sine(1.5 * phase)) / 1.15f;
    }
    return 0;
}

// Left and right gains for a pan from -1 to +1: equal power, and never all
// on one side, so a player who hears with one ear still hears every sound.
void panGains(float pan, float &left, float &right)
{
    // Three quarters of the way to a side at most: the far ear keeps about
    // a fifth of the sound.
    const double turn = (0.75 * std::clamp(pan, -1.0f, 1.0f) + 1) / 8; // of a full circle
    left = sine(turn + 0.25);
    right = sine(turn);
}

} // namespace

Synth::Synth(int sampleRate)
    : m_rate(sampleRate)
    , m_notes(notePool)
{
}

void Synth::setVoice(int index, const Voice &voice)
{
    if (index < 0 || index >= voiceCount)
        return;
    VoiceState &v = m_voices[std::size_t(index)];
    const bool wasPulsing = v.target.sounding;
    if (!voice.sounding) {
        // What still sounds dies away in its own colour.
        v.target.sounding = false;
        return;
    }
    // Another pitch or timbre is another thing to hear: it starts with a
    // pulse of its own.
    const bool newSound = voice.pitch != v.target.pitch || voice.timbre != v.target.timbre;
    v.target = voice;
    const double gap = voice.gapMs * m_rate / 1000.0;
    if (!wasPulsing || newSound)
        v.untilOnset = 0;
    else if (v.untilOnset > gap - v.sinceOnset)
        v.untilOnset = std::max(0.0, gap - v.sinceOnset); // a faster pace counts from the last pulse
}

void Synth::play(const Note &note)
{
    // The same sound again while it still rings (a held key's steps): the
    // one ringing fades out at once, rather than the two piling up.
    if (note.delayMs == 0) {
        const double release = releaseMs * m_rate / 1000.0;
        for (NoteState &n : m_notes) {
            if (n.active && n.age >= 0 && n.note.pitch == note.pitch && n.note.timbre == note.timbre)
                n.length = std::min(n.length, n.age + release);
        }
    }
    for (NoteState &n : m_notes) {
        if (n.active)
            continue;
        n = {note, 0, -note.delayMs * m_rate / 1000.0, std::max(1.0f, note.ms) * m_rate / 1000.0, true};
        panGains(note.pan, n.left, n.right);
        return;
    }
    // All busy: a note is dropped rather than one cut off.
}

float Synth::pulseEnvelope(const VoiceState &v) const
{
    const double length = v.pulseLength;
    const double t = v.sinceOnset;
    if (t >= length)
        return 0;
    const double attack = attackMs * m_rate / 1000.0;
    const double release = std::min<double>(releaseMs * m_rate / 1000.0, length - attack);
    const float rising = v.attackFrom + (1 - v.attackFrom) * rise(t, attack);
    float env = rising * float(std::exp(-std::max(0.0, t - attack) / (length / 2.5)));
    if (t > length - release)
        env *= rise(length - t, release);
    return env;
}

void Synth::stepVoice(int index, float &left, float &right)
{
    VoiceState &v = m_voices[std::size_t(index)];
    const Voice &target = v.target;
    const bool pulsing = target.sounding;

    if (pulsing) {
        v.untilOnset -= 1;
        if (v.untilOnset <= 0) {
            double postpone = 0;
            if (index > 0) {
                // Kept clear of the first voice's pulses.
                const VoiceState &first = m_voices[0];
                if (first.target.sounding) {
                    const double guard = std::min(staggerMs, first.target.gapMs / 2) * m_rate / 1000.0;
                    if (first.sinceOnset < guard)
                        postpone = guard - first.sinceOnset;
                    else if (first.untilOnset < guard)
                        postpone = first.untilOnset + guard;
                }
            }
            if (postpone > 0) {
                v.untilOnset = postpone;
            } else {
                // A pulse still ringing goes on into the new one: no click.
                v.attackFrom = pulseEnvelope(v);
                v.sinceOnset = 0;
                v.untilOnset = target.gapMs * m_rate / 1000.0;
                v.pulseLength = std::min<double>(0.6 * target.gapMs, longestPulseMs) * m_rate / 1000.0;
                v.pulseOctave = target.steady;
            }
        }
    }
    v.sinceOnset += 1;

    const float steadyTarget = target.sounding && target.steady ? 1.0f : 0.0f;
    const float slew = 1000.0f / (steadySlewMs * float(m_rate));
    v.steadyGain += std::clamp(steadyTarget - v.steadyGain, -slew, slew);
    const float pulse = pulseEnvelope(v);
    float held = 0.6f * v.steadyGain;
    if (held > 0) {
        v.throb += 1000.0 / (double(target.throbMs) * m_rate);
        if (v.throb >= 1)
            v.throb -= 1;
        held *= float(1 - throbDepth * (0.5 - 0.5 * sine(v.throb + 0.25)));
    }
    // Over a held tone the pulses go an octave up, a little softer.
    const float pulseAmplitude = target.level * pulse * (v.pulseOctave ? 0.7f : 1.0f);
    const float heldAmplitude = target.level * held;
    if (pulseAmplitude + heldAmplitude <= 0) {
        v.pan = target.pan;
        v.left = -1; // the gains are worked out again on the next sound
        return;
    }
    if (v.pan != target.pan || v.left < 0) {
        v.pan += (target.pan - v.pan) * (1000.0f / (panSlewMs * float(m_rate)));
        if (std::abs(target.pan - v.pan) < 1e-4f)
            v.pan = target.pan;
        panGains(v.pan, v.left, v.right);
    }
    const float l = v.left, r = v.right;
    float s = 0;
    if (heldAmplitude > 0)
        s += heldAmplitude * timbreSample(target.timbre, v.phase);
    if (pulseAmplitude > 0)
        s += pulseAmplitude * timbreSample(target.timbre, v.pulseOctave ? 2 * v.phase : v.phase);
    left += s * l;
    right += s * r;
    // Another pitch is reached by a glide of a few milliseconds: a jump
    // would be heard as a tick.
    if (v.pitch <= 0)
        v.pitch = target.pitch;
    v.pitch += (target.pitch - v.pitch) * (1000.0f / (glideMs * float(m_rate)));
    v.phase += v.pitch / m_rate;
    if (v.phase >= phaseWrap)
        v.phase -= phaseWrap;
}

void Synth::render(float *stereo, int frames)
{
    for (int f = 0; f < frames; ++f) {
        float left = 0, right = 0;
        for (int i = 0; i < voiceCount; ++i)
            stepVoice(i, left, right);
        for (NoteState &n : m_notes) {
            if (!n.active)
                continue;
            n.age += 1;
            if (n.age < 0)
                continue;
            if (n.age >= n.length) {
                n.active = false;
                continue;
            }
            const Note &note = n.note;
            const double attack = std::min<double>(attackMs * m_rate / 1000.0, n.length / 3);
            const double release = std::min<double>(releaseMs * m_rate / 1000.0, n.length / 3);
            // Bells and knocks die away; the others hold, then fall.
            const double tau = note.timbre == Timbre::Bell || note.timbre == Timbre::Thud ? n.length / 4 : n.length;
            float env = rise(n.age, attack) * float(std::exp(-n.age / tau));
            if (n.age > n.length - release)
                env *= rise(n.length - n.age, release);
            const float s = note.level * env * timbreSample(note.timbre, n.phase);
            left += s * n.left;
            right += s * n.right;
            const double pitch = note.endPitch == note.pitch
                ? note.pitch
                : note.pitch * std::pow(double(note.endPitch) / note.pitch, n.age / n.length);
            n.phase += pitch / m_rate;
            if (n.phase >= phaseWrap)
                n.phase -= phaseWrap;
        }
        stereo[2 * f] = limit(left);
        stereo[2 * f + 1] = limit(right);
    }
}

} // namespace platform
