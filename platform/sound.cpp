// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include "sdl.h"

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
    if (!m_sdl && !(m_sdl = sdl::library()))
        return false; // no SDL2: no sound device
    m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The program writes no log; SDL's would go to standard error.
    m_sdl->LogSetOutputFunction([](void *, int, SDL_LogPriority, const char *) {}, nullptr);
    m_sdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, programName.toUtf8().constData());
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
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
    m_device = m_sdl->OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_synth = Synth(sampleRate);
    m_sdl->PauseAudioDevice(m_device, 0);
    return true;
}

void SdlSound::stop()
{
    if (m_device == 0)
        return;
    m_sdl->CloseAudioDevice(m_device); // waits for the callback: no thread is left
    m_device = 0;
    m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::setVoice(int index, const Voice &voice)
{
    if (m_device == 0)
        return;
    m_sdl->LockAudioDevice(m_device);
    m_synth.setVoice(index, voice);
    m_sdl->UnlockAudioDevice(m_device);
}

void SdlSound::play(const Note &note)
{
    if (m_device == 0)
        return;
    m_sdl->LockAudioDevice(m_device);
    m_synth.play(note);
    m_sdl->UnlockAudioDevice(m_device);
}

void SdlSound::callback(void *self, unsigned char *stream, int bytes)
{
    auto *sound = static_cast<SdlSound *>(self);
    sound->m_synth.render(reinterpret_cast<float *>(stream), bytes / int(2 * sizeof(float)));
}

} // namespace platform
