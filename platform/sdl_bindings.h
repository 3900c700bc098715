// What the desktop's keys and a gamepad's buttons are on the device: the keys that stand for
// its buttons, the keys and pad buttons that steer, the keys that tap at the pointer outside
// flight, and the pointer's own picture. Read by the SDL back end only.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/desktop_controls.h"
#include "platform/keys.h"

namespace cindervane::platform::sdl_bindings {

// Desktop keys that stand for the device's buttons. Several keys may give one code. The
// arrows and W A S D steer instead (the virtual stylus); Enter, Z and Space also tap at the
// pointer outside flight.
struct KeyBinding {
    SDL_Keycode key;
    std::uint16_t code;
};

inline constexpr KeyBinding kKeyBindings[] = {
    {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_LSHIFT, VK_RETURN},
    {SDLK_z, VK_KEY_Z},       {SDLK_SPACE, VK_KEY_Z},     {SDLK_x, VK_KEY_X},
    {SDLK_c, VK_KEY_C},       {SDLK_ESCAPE, VK_KEY_C},    {SDLK_p, VK_KEY_C},
    {SDLK_F3, VK_F3},         {SDLK_F4, VK_F4},
};

struct SteeringKey {
    SDL_Keycode key;
    Direction direction;
};

inline constexpr SteeringKey kSteeringKeys[] = {
    {SDLK_UP, kDirectionUp},       {SDLK_DOWN, kDirectionDown}, {SDLK_LEFT, kDirectionLeft},
    {SDLK_RIGHT, kDirectionRight}, {SDLK_w, kDirectionUp},      {SDLK_s, kDirectionDown},
    {SDLK_a, kDirectionLeft},      {SDLK_d, kDirectionRight},
};

inline constexpr SDL_Keycode kTapKeys[] = {SDLK_RETURN, SDLK_KP_ENTER, SDLK_z, SDLK_SPACE};

// Gamepad buttons: X and the shoulders charge, A fires (or taps at the pointer), B evades,
// Start and Back pause. The d-pad steers like the stick.
struct PadBinding {
    SDL_GameControllerButton button;
    std::uint16_t code;
};

inline constexpr PadBinding kPadBindings[] = {
    {SDL_CONTROLLER_BUTTON_A, VK_KEY_Z},
    {SDL_CONTROLLER_BUTTON_B, VK_KEY_X},
    {SDL_CONTROLLER_BUTTON_X, VK_RETURN},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, VK_RETURN},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, VK_RETURN},
    {SDL_CONTROLLER_BUTTON_START, VK_KEY_C},
    {SDL_CONTROLLER_BUTTON_BACK, VK_KEY_C},
};

struct PadDirection {
    SDL_GameControllerButton button;
    Direction direction;
};

inline constexpr PadDirection kPadDirections[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kDirectionUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kDirectionDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kDirectionLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kDirectionRight},
};

inline std::uint16_t codeForKey(SDL_Keycode key) {
    for (const KeyBinding& binding : kKeyBindings)
        if (binding.key == key) return binding.code;
    return 0;
}

inline std::uint16_t codeForPadButton(int button) {
    for (const PadBinding& binding : kPadBindings)
        if (binding.button == button) return binding.code;
    return 0;
}

// The pointer the keys and the stick move outside flight: an arrow, its tip at the point.
inline constexpr int kPointerWidth = 9;
inline constexpr int kPointerHeight = 13;
inline constexpr const char* kPointerShape[kPointerHeight] = {
    "#........", "##.......", "#o#......", "#oo#.....", "#ooo#....", "#oooo#...", "#ooooo#..",
    "#oooooo#.", "#ooooooo#", "#ooo#####", "#o##o#...", "##..#o#..", "#....##..",
};

}  // namespace cindervane::platform::sdl_bindings
