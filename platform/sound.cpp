// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include <SDL.h>

namespace platform {

Sound::~Sound() = default;

SdlSound::SdlSound() = default;

SdlSound::~SdlSound()
{
    stop();
}

bool SdlSound::start(const QString &programName)
{
    if (m_device != 0)
        return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The program writes no log; SDL's would go to standard error.
    SDL_LogSetOutputFunction([](void *, int, SDL_LogPriority, const char *) {}, nullptr);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, programName.toUtf8().constData());
    if (!m_audioUp) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        m_audioUp = true;
    }
    SDL_AudioSpec want{};
    want.freq = sampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = bufferFrames;
    want.callback = &SdlSound::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // The synthesiser makes exactly what was asked for; SDL converts if the
    // device differs.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_audioUp = false;
        return false;
    }
    m_synth = Synth(sampleRate);
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlSound::stop()
{
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device); // waits for the callback: no thread is left
        m_device = 0;
    }
    if (m_audioUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_audioUp = false;
    }
}

void SdlSound::setVoice(int index, const Voice &voice)
{
    if (m_device == 0)
        return;
    SDL_LockAudioDevice(m_device);
    m_synth.setVoice(index, voice);
    SDL_UnlockAudioDevice(m_device);
}

void SdlSound::play(const Note &note)
{
    if (m_device == 0)
        return;
    SDL_LockAudioDevice(m_device);
    m_synth.play(note);
    SDL_UnlockAudioDevice(m_device);
}

void SdlSound::callback(void *self, unsigned char *stream, int bytes)
{
    auto *sound = static_cast<SdlSound *>(self);
    sound->m_synth.render(reinterpret_cast<float *>(stream), bytes / int(2 * sizeof(float)));
}

} // namespace platform
