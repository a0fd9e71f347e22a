// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

#include <QString>

#include <memory>

namespace platform {

namespace sdl {
struct Library;
}

// The program's sound output: the synthesiser's voices and notes, played
// through the desktop's sound system while it is started. Stopped, it holds
// no device and no thread. Nothing here ever shows an error: a device that
// will not open only makes start() say so, and one that goes away while
// playing is simply not heard.
class Sound
{
public:
    virtual ~Sound();
    // Opens the output, under the program's name (the desktop's mixer shows
    // it as the volume control); false when no device opens.
    virtual bool start(const QString &programName) = 0;
    // Closes it: silence, no device, no thread.
    virtual void stop() = 0;
    virtual bool started() const = 0;
    virtual void setVoice(int index, const Voice &voice) = 0;
    virtual void play(const Note &note) = 0;
};

// Sound through SDL2's audio: 48 kHz stereo, synthesised in SDL's callback,
// 512 frames a buffer at most (about 11 ms). SDL_AUDIODRIVER picks the
// driver as usual (the disk driver writes the output to a file).
class SdlSound final : public Sound
{
public:
    static constexpr int sampleRate = 48000;
    static constexpr int bufferFrames = 512;

    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound &) = delete;
    SdlSound &operator=(const SdlSound &) = delete;

    bool start(const QString &programName) override;
    void stop() override;
    bool started() const override { return m_device != 0; }
    void setVoice(int index, const Voice &voice) override;
    void play(const Note &note) override;

private:
    static void callback(void *self, unsigned char *stream, int bytes);

    Synth m_synth{sampleRate};
    const sdl::Library *m_sdl = nullptr; // loaded when first started
    unsigned m_device = 0;               // SDL_AudioDeviceID; 0 when closed (and SDL's audio stopped)
};

} // namespace platform
