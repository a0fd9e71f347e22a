// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound.h"

#include <array>
#include <vector>

namespace platform::testing {

// A sound output that plays nothing and keeps what it was asked: whether it
// is started, the voices as last set and every note. A device that will not
// open is one setting away.
class RecordingSound final : public Sound
{
public:
    bool deviceOpens = true;
    int starts = 0;
    QString programName;
    std::array<Voice, Synth::voiceCount> voices{};
    std::vector<Note> notes;

    bool start(const QString &name) override
    {
        if (!deviceOpens)
            return false;
        ++starts;
        programName = name;
        m_started = true;
        return true;
    }
    void stop() override
    {
        m_started = false;
        voices = {};
    }
    bool started() const override { return m_started; }
    void setVoice(int index, const Voice &voice) override { voices.at(std::size_t(index)) = voice; }
    void play(const Note &note) override { notes.push_back(note); }

private:
    bool m_started = false;
};

} // namespace platform::testing
