// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepads.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleHints>
#include <QWidget>

#include "sdl.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// A key the pad gives, with the X keycode of its place on the keyboard, as
// the window system would send it.
struct PadKey {
    int qtKey;
    quint32 scanCode;
};

// Buttons that are plain key presses (no repeat); the directions are apart.
struct ButtonKey {
    SDL_GameControllerButton button;
    PadKey key;
};
constexpr ButtonKey buttonKeys[] = {
    {SDL_CONTROLLER_BUTTON_A, {Qt::Key_Return, 36}},
    {SDL_CONTROLLER_BUTTON_B, {Qt::Key_Escape, 9}},
    {SDL_CONTROLLER_BUTTON_START, {Qt::Key_P, 33}}, // Menu on Xbox pads, Options on PlayStation
    {SDL_CONTROLLER_BUTTON_BACK, {Qt::Key_S, 39}},  // Select, View on Xbox pads, Share on PlayStation
};
// By Direction: up, down, left, right.
constexpr PadKey directionKeys[] = {{Qt::Key_Up, 111}, {Qt::Key_Down, 116}, {Qt::Key_Left, 113}, {Qt::Key_Right, 114}};

const PadKey *keyForButton(Uint8 button)
{
    for (const ButtonKey &bk : buttonKeys) {
        if (bk.button == button)
            return &bk.key;
    }
    return nullptr;
}

// The bit of a D-pad direction, 0 for the other buttons.
unsigned dpadBit(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return 1u << 0;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return 1u << 1;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return 1u << 2;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return 1u << 3;
    default: return 0;
    }
}

// The stick gives one direction, that of its dominant axis, outside the dead
// zone. SDL's Y axis grows downwards.
unsigned stickBits(int x, int y)
{
    if (std::abs(x) <= Gamepads::deadZone && std::abs(y) <= Gamepads::deadZone)
        return 0;
    if (std::abs(y) >= std::abs(x))
        return y < 0 ? 1u << 0 : 1u << 1;
    return x < 0 ? 1u << 2 : 1u << 3;
}

} // namespace

QObject *Gamepads::activeTarget()
{
    QWidget *active = QApplication::activeWindow();
    if (!active)
        return nullptr; // another application has the focus
    // A box that has just opened may not be active yet: it is the one that
    // answers the keys all the same.
    if (QWidget *box = QApplication::activeModalWidget())
        return box->focusWidget() ? box->focusWidget() : box;
    if (QWidget *widget = QApplication::focusWidget())
        return widget;
    return active;
}

Gamepads::Gamepads(Clock &clock, Target target)
    : m_clock(clock)
    , m_target(std::move(target))
    , m_sdl(sdl::library())
    , m_repeatIntervalMs(1000 / std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate()))
{
    if (!m_sdl)
        return; // no SDL2: the keyboard alone
    // Qt handles SIGINT and SIGTERM; SDL must not take them.
    m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The pads are read on the clock, not inside SDL's own event pumping.
    m_sdl->SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
    // Brings up SDL's joysticks and events with it; no video, no thread.
    if (m_sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return; // no pad, no timer: the keyboard alone
    m_sdlUp = true;
    // Never used. (The SDL_JOY* events must stay: SDL makes the controller
    // events out of them.)
    for (Uint32 type : {SDL_CONTROLLERTOUCHPADDOWN, SDL_CONTROLLERTOUCHPADMOTION, SDL_CONTROLLERTOUCHPADUP,
                        SDL_CONTROLLERSENSORUPDATE})
        m_sdl->EventState(type, SDL_IGNORE);
    poll(); // the pads already plugged in arrive as SDL_CONTROLLERDEVICEADDED
    m_clock.arm(&m_poll, m_clock.now() + m_poll.period());
}

Gamepads::~Gamepads()
{
    m_clock.disarm(&m_poll);
    if (!m_sdlUp)
        return;
    for (auto &[id, pad] : m_pads)
        m_sdl->GameControllerClose(static_cast<SDL_GameController *>(pad.controller));
    m_sdl->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::poll()
{
    const int periodBefore = m_poll.period();
    m_sdl->JoystickUpdate(); // reads the pads and looks for new ones
    SDL_Event event;
    bool devicesChanged = false;
    while (m_sdl->PollEvent(&event)) {
        handleEvent(event);
        devicesChanged
            = devicesChanged || event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_CONTROLLERDEVICEREMOVED;
    }
    // SDL drops the "added" of a pad plugged in while another is pulled out
    // within one reading: after any change, every controller there is open.
    if (devicesChanged)
        openNewPads();
    m_stickAxes = 0;
    updateDirections(true);
    // Inside its own tick the clock takes the new period by itself.
    if (m_poll.period() != periodBefore)
        m_clock.intervalChanged(&m_poll);
}

void Gamepads::handleEvent(const SDL_Event &event)
{
    // A stick move comes as an x and a y event: they are judged together, but
    // before any later change (a button, a pad pulled out, the same axis
    // again), so the keys keep the pad's order.
    const bool givesKeys = event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP
        || event.type == SDL_CONTROLLERDEVICEREMOVED;
    const bool sameAxisAgain = event.type == SDL_CONTROLLERAXISMOTION
        && (event.caxis.which != m_stickPad || (m_stickAxes & (1u << event.caxis.axis)));
    if (m_stickAxes && (givesKeys || sameAxisAgain)) {
        m_stickAxes = 0;
        updateDirections(false);
    }
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: openPad(event.cdevice.which); break;    // a device index
    case SDL_CONTROLLERDEVICEREMOVED: closePad(event.cdevice.which); break; // an instance id
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        auto pad = m_pads.find(event.cbutton.which);
        if (pad == m_pads.end())
            break;
        const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
        if (const unsigned bit = dpadBit(event.cbutton.button)) {
            pad->second.dpad = down ? pad->second.dpad | bit : pad->second.dpad & ~bit;
            updateDirections(false); // a tap shorter than a poll still moves once
        } else if (const PadKey *key = keyForButton(event.cbutton.button)) {
            postKey(key->qtKey, key->scanCode, down, false);
        }
        break;
    }
    case SDL_CONTROLLERAXISMOTION: {
        auto pad = m_pads.find(event.caxis.which);
        if (pad == m_pads.end())
            break;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            pad->second.x = event.caxis.value;
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            pad->second.y = event.caxis.value;
        else
            break;
        m_stickPad = event.caxis.which;
        m_stickAxes |= 1u << event.caxis.axis;
        break;
    }
    default: break;
    }
}

void Gamepads::openPad(int deviceIndex)
{
    SDL_GameController *controller = m_sdl->GameControllerOpen(deviceIndex);
    if (!controller)
        return; // say, no permission on its device node: it is left out
    const int id = m_sdl->JoystickInstanceID(m_sdl->GameControllerGetJoystick(controller));
    if (m_pads.count(id)) { // already open: SDL counts the opens, one is kept
        m_sdl->GameControllerClose(controller);
        return;
    }
    m_pads[id].controller = controller;
}

void Gamepads::openNewPads()
{
    for (int index = 0; index < m_sdl->NumJoysticks(); ++index) {
        if (m_sdl->IsGameController(index) && !m_pads.count(m_sdl->JoystickGetDeviceInstanceID(index)))
            openPad(index);
    }
}

void Gamepads::closePad(int instanceId)
{
    auto pad = m_pads.find(instanceId);
    if (pad == m_pads.end())
        return;
    m_sdl->GameControllerClose(static_cast<SDL_GameController *>(pad->second.controller));
    m_pads.erase(pad);
    updateDirections(false); // what it held is let go
}

void Gamepads::updateDirections(bool allowRepeat)
{
    unsigned held = 0;
    for (const auto &[id, pad] : m_pads)
        held |= pad.dpad | stickBits(pad.x, pad.y);
    const qint64 now = m_clock.now();
    for (int d = 0; d < DirectionCount; ++d) {
        Held &h = m_held[d];
        const bool down = held & (1u << d);
        if (down && !h.down) {
            h = {true, now + repeatDelayMs};
            postKey(directionKeys[d].qtKey, directionKeys[d].scanCode, true, false);
        } else if (!down && h.down) {
            h.down = false;
            postKey(directionKeys[d].qtKey, directionKeys[d].scanCode, false, false);
        } else if (down && allowRepeat && now >= h.nextRepeat) {
            // As a keyboard repeats: after a late poll one repeat, no burst.
            h.nextRepeat += m_repeatIntervalMs;
            if (h.nextRepeat <= now)
                h.nextRepeat = now + m_repeatIntervalMs;
            postKey(directionKeys[d].qtKey, directionKeys[d].scanCode, false, true);
            postKey(directionKeys[d].qtKey, directionKeys[d].scanCode, true, true);
        }
    }
}

void Gamepads::postKey(int qtKey, quint32 scanCode, bool press, bool autoRepeat)
{
    QObject *target = m_target ? m_target() : nullptr;
    if (!target)
        return;
    // Posted, not sent: a key may open a box, whose own event loop must not
    // run inside a poll. Qt drops the posted events of a deleted receiver.
    QCoreApplication::postEvent(target,
                                new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier,
                                              scanCode, 0, 0, QString(), autoRepeat));
}

} // namespace platform
