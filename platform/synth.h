// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace platform {

// The colours of sound the synthesiser has; each is a fixed mix of partials,
// so two sounds in different timbres stay apart when they play together.
enum class Timbre {
    Soft, // a near sine with a trace of its octave: steps and melodies
    Reed, // a warm, buzzy low tone: odd and even partials falling off
    Bell, // bright and short-lived: an inharmonic partial over the tone
    Thud, // a dull low knock
};

// A sound that goes on until it is changed: pulses at a given gap, or one
// held tone. The caller changes it as often as it likes; the sound follows
// from its next pulse, without a click.
struct Voice {
    bool sounding = false;
    bool steady = false; // a held tone as well, throbbing, with the pulses an octave above it
    float pitch = 440;   // Hz
    Timbre timbre = Timbre::Soft;
    float gapMs = 500;   // between the starts of two pulses
    float throbMs = 500; // one throb of the held tone
    float pan = 0;       // -1 left .. +1 right
    float level = 0.2f;  // peak, of a full-scale sample
};

// A sound played once: a tone gliding from pitch to endPitch, starting
// delayMs after it is asked for.
struct Note {
    float pitch = 440;
    float endPitch = 440;
    Timbre timbre = Timbre::Soft;
    float ms = 100;
    float level = 0.2f;
    float pan = 0;
    float delayMs = 0;
};

// Sound made from numbers: a few continuous voices and any number of notes,
// rendered into interleaved stereo floats. Every sound starts and ends on a
// soft slope, so nothing clicks. The voices' pulses are kept apart: a pulse
// of a later voice never starts within staggerMs (or half the gap of the
// voice before it, if shorter) of one of an earlier voice, so two voices
// sounding together are heard as two. No allocation in render().
class Synth
{
public:
    static constexpr int voiceCount = 2;
    static constexpr float staggerMs = 150;

    explicit Synth(int sampleRate);

    void setVoice(int index, const Voice &voice);
    void play(const Note &note);

    void render(float *stereo, int frames);

private:
    struct VoiceState {
        Voice target;
        double phase = 0;
        double sinceOnset = 1e9;    // samples since the current pulse began
        double untilOnset = 0;      // samples to the next pulse
        double pulseLength = 0;     // samples, fixed at the pulse's start
        float attackFrom = 0;       // what a pulse rises from: the one before it, still ringing
        bool pulseOctave = false;   // this pulse sounds an octave up, over a held tone
        float pitch = 0;            // gliding to the target's; 0 before the first sound
        float steadyGain = 0;       // the held tone's envelope
        float pan = 0;              // follows the target's pan smoothly
        float left = -1, right = 0; // its gains; left < 0: not yet worked out
        double throb = 0;           // where a held tone is in its throb, in cycles
    };
    struct NoteState {
        Note note;
        double phase = 0;
        double age = -1; // samples since it started; negative: waiting
        double length = 0;
        bool active = false;
        float left = 0, right = 0; // its pan's gains
    };

    float pulseEnvelope(const VoiceState &v) const;
    void stepVoice(int index, float &left, float &right);

    int m_rate;
    std::array<VoiceState, voiceCount> m_voices{};
    std::vector<NoteState> m_notes; // a fixed pool
};

} // namespace platform
