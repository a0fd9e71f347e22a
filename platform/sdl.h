// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace platform::sdl {

// The parts of SDL2 the game uses: the controllers and the sound. SDL2 is
// loaded the first time they are asked for, not with the program: SDL and
// the sound and media libraries it brings take about a fifth of the time the
// menu needs to appear, and the controllers and sound start after it.
struct Library {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_LogSetOutputFunction) LogSetOutputFunction;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_EventState) EventState;
    decltype(&SDL_PollEvent) PollEvent;
    decltype(&SDL_NumJoysticks) NumJoysticks;
    decltype(&SDL_JoystickUpdate) JoystickUpdate;
    decltype(&SDL_JoystickInstanceID) JoystickInstanceID;
    decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID;
    decltype(&SDL_IsGameController) IsGameController;
    decltype(&SDL_GameControllerOpen) GameControllerOpen;
    decltype(&SDL_GameControllerClose) GameControllerClose;
    decltype(&SDL_GameControllerGetJoystick) GameControllerGetJoystick;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
};

// SDL2, loaded on the first call; null where it cannot be loaded (then there
// are no controllers and no sound, and the keyboard plays as ever).
const Library *library();

} // namespace platform::sdl
