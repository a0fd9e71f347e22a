// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl.h"

#include <dlfcn.h>

#include <optional>

namespace platform::sdl {

namespace {

// SDL2's runtime library by the name its package gives it.
constexpr char libraryName[] = "libSDL2-2.0.so.0";

template<typename Function>
bool resolve(void *handle, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

std::optional<Library> load()
{
    void *handle = ::dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return std::nullopt;
    Library sdl{};
    const bool all = resolve(handle, sdl.SetHint, "SDL_SetHint")
        && resolve(handle, sdl.LogSetOutputFunction, "SDL_LogSetOutputFunction")
        && resolve(handle, sdl.InitSubSystem, "SDL_InitSubSystem")
        && resolve(handle, sdl.QuitSubSystem, "SDL_QuitSubSystem") && resolve(handle, sdl.EventState, "SDL_EventState")
        && resolve(handle, sdl.PollEvent, "SDL_PollEvent") && resolve(handle, sdl.NumJoysticks, "SDL_NumJoysticks")
        && resolve(handle, sdl.JoystickUpdate, "SDL_JoystickUpdate")
        && resolve(handle, sdl.JoystickInstanceID, "SDL_JoystickInstanceID")
        && resolve(handle, sdl.JoystickGetDeviceInstanceID, "SDL_JoystickGetDeviceInstanceID")
        && resolve(handle, sdl.IsGameController, "SDL_IsGameController")
        && resolve(handle, sdl.GameControllerOpen, "SDL_GameControllerOpen")
        && resolve(handle, sdl.GameControllerClose, "SDL_GameControllerClose")
        && resolve(handle, sdl.GameControllerGetJoystick, "SDL_GameControllerGetJoystick")
        && resolve(handle, sdl.OpenAudioDevice, "SDL_OpenAudioDevice")
        && resolve(handle, sdl.PauseAudioDevice, "SDL_PauseAudioDevice")
        && resolve(handle, sdl.CloseAudioDevice, "SDL_CloseAudioDevice")
        && resolve(handle, sdl.LockAudioDevice, "SDL_LockAudioDevice")
        && resolve(handle, sdl.UnlockAudioDevice, "SDL_UnlockAudioDevice");
    // An SDL2 without one of these is too old to use; it stays loaded, as a
    // library SDL itself may have started threads in would have to.
    if (!all)
        return std::nullopt;
    return sdl;
}

} // namespace

const Library *library()
{
    // Loaded once for the whole program, and never unloaded: SDL's
    // subsystems live as long as the program.
    static const std::optional<Library> loaded = load();
    return loaded ? &*loaded : nullptr;
}

} // namespace platform::sdl
