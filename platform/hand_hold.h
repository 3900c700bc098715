// A hand on the desktop's keyboard or a gamepad: the directions and buttons it holds. The
// desktop controls read real hands; the autopilot can lend the back end one of its own, so
// that a whole game is played through the keys or a pad exactly as a player without a mouse
// would play it.
#pragma once

#include <cstdint>

namespace cindervane::platform {

// The four directions a key or the d-pad holds; a held set is their bitwise or.
enum Direction : std::uint8_t {
    kDirectionUp = 1,
    kDirectionDown = 2,
    kDirectionLeft = 4,
    kDirectionRight = 8,
};

// Which hand holds a tap button: keyboard and gamepad keep their presses apart, so letting go
// of one never lifts the other's stylus.
enum class Hand : std::uint8_t { Keyboard, Gamepad };

// The device's buttons as a hand presses them: A (Z, the pad's A; it taps at the pointer
// outside flight), B (X, the pad's B), Start (Enter, the pad's X) and C (C, the pad's Start).
enum HandButton : std::uint8_t {
    kHandA = 1,
    kHandB = 2,
    kHandStart = 4,
    kHandC = 8,
};

// One frame of a lent hand: the keys' held directions, or the pad's left stick, and the
// buttons pressed and let go this frame.
struct HandHold {
    Hand hand = Hand::Keyboard;
    std::uint8_t directions = 0;  // the keyboard's held arrows (Direction bits)
    int stickX = 0;               // the pad's left stick, -32767 to 32767, right and down
    int stickY = 0;
    std::uint8_t presses = 0;  // HandButton bits
};

}  // namespace cindervane::platform
