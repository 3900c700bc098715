// The device's buttons: the key codes a desktop keyboard or gamepad stands in for, and the
// default key list the game input service reports.
#pragma once

#include <cstdint>

namespace cindervane::platform {

struct KeyPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The game input service's key list: one code and one screen point per button.
struct KeyList {
    std::int16_t vkUp = 0;
    KeyPoint ptUp;
    std::int16_t vkDown = 0;
    KeyPoint ptDown;
    std::int16_t vkLeft = 0;
    KeyPoint ptLeft;
    std::int16_t vkRight = 0;
    KeyPoint ptRight;
    std::int16_t vkA = 0;
    KeyPoint ptA;
    std::int16_t vkB = 0;
    KeyPoint ptB;
    std::int16_t vkC = 0;
    KeyPoint ptC;
    std::int16_t vkStart = 0;
    KeyPoint ptStart;
};

// Key codes our back ends produce. The four fixed codes are the device's extra buttons and
// the two function keys the shell always recognises.
enum KeyCode : std::uint16_t {
    VK_RETURN = 0x0D,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_KEY_C = 0x43,
    VK_KEY_X = 0x58,
    VK_KEY_Z = 0x5A,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_EXTRA1 = 0xC0,
    VK_EXTRA2 = 0xC1,
};

// The portrait layout this platform reports: arrows steer, Z is A, X is B, C is C, Enter is
// Start. The points are where the buttons sit below the screen.
constexpr KeyList defaultKeyList() {
    KeyList keys;
    keys.vkUp = VK_UP;
    keys.ptUp = {120, 330};
    keys.vkDown = VK_DOWN;
    keys.ptDown = {120, 350};
    keys.vkLeft = VK_LEFT;
    keys.ptLeft = {100, 340};
    keys.vkRight = VK_RIGHT;
    keys.ptRight = {140, 340};
    keys.vkA = VK_KEY_Z;
    keys.ptA = {20, 340};
    keys.vkB = VK_KEY_X;
    keys.ptB = {60, 340};
    keys.vkC = VK_KEY_C;
    keys.ptC = {180, 340};
    keys.vkStart = VK_RETURN;
    keys.ptStart = {220, 340};
    return keys;
}

}  // namespace cindervane::platform
