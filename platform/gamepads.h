// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"

#include <QObject>

#include <array>
#include <functional>
#include <map>

union SDL_Event;

namespace platform {

namespace sdl {
struct Library;
}

// Game controllers, through SDL2's game-controller subsystem alone (no SDL
// window, video or sound), turned into the keys the windows already take:
// D-pad and left stick the arrows (held, they repeat as a held key does),
// A Return, B Escape, Start P, Back S. The keys are posted to the focus widget, else
// the active window, as the window system's keys arrive, so a key that opens
// a box leaves the pads working inside it. Pads plugged in or pulled out are
// picked up; several pads all work. The pads are read on the layer's clock:
// every 16 ms while one is open, once a second otherwise. Nothing here is
// ever an error the player sees: SDL failing to start or a pad that cannot
// be opened only leaves the keyboard.
class Gamepads
{
public:
    static constexpr int padPollMs = Clock::resolutionMs; // while a pad is open
    static constexpr int hotplugPollMs = 1000;            // with none: only look for new ones
    static constexpr int repeatDelayMs = 500;             // Qt gives the rate of a held key, not its delay
    static constexpr int deadZone = 12000;                // of 32767, on each stick axis

    // Where the keys go; nullptr drops them.
    using Target = std::function<QObject *()>;
    // The open box, else the focus widget, else the active window: nullptr
    // when no window of the program is active.
    static QObject *activeTarget();

    explicit Gamepads(Clock &clock, Target target = &Gamepads::activeTarget);
    ~Gamepads();
    Gamepads(const Gamepads &) = delete;
    Gamepads &operator=(const Gamepads &) = delete;

    bool available() const { return m_sdlUp; }
    int padCount() const { return int(m_pads.size()); }
    int pollPeriod() const { return m_poll.period(); }
    int repeatIntervalMs() const { return m_repeatIntervalMs; }

    // One reading of the pads; the clock calls it.
    void poll();

private:
    enum Direction { Up, Down, Left, Right, DirectionCount };
    struct Pad {
        void *controller = nullptr; // SDL_GameController *
        unsigned dpad = 0;          // a bit per Direction
        int x = 0, y = 0;           // left stick
    };
    struct Held {
        bool down = false;
        qint64 nextRepeat = 0;
    };
    class Poll final : public Ticking
    {
    public:
        explicit Poll(Gamepads &pads)
            : m_pads(pads)
        {
        }
        int period() const override { return m_pads.m_pads.empty() ? hotplugPollMs : padPollMs; }
        // After every window's timer due at the same moment.
        quint64 sequence() const override { return ~quint64(0); }
        void fire() override { m_pads.poll(); }

    private:
        Gamepads &m_pads;
    };

    void handleEvent(const SDL_Event &event);
    void openPad(int deviceIndex);
    // Opens the controllers plugged in that are not open yet.
    void openNewPads();
    void closePad(int instanceId);
    void updateDirections(bool allowRepeat);
    void postKey(int qtKey, quint32 scanCode, bool press, bool autoRepeat);

    Clock &m_clock;
    Target m_target;
    Poll m_poll{*this};
    const sdl::Library *m_sdl; // null where SDL2 cannot be loaded
    bool m_sdlUp = false;
    int m_stickPad = -1; // stick axes changed since the keys were last worked out
    unsigned m_stickAxes = 0;
    int m_repeatIntervalMs;
    std::map<int, Pad> m_pads; // by SDL_JoystickID
    std::array<Held, DirectionCount> m_held{};
};

} // namespace platform
