// Turning a key code from the window system into the game's key number 0 to 9.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/keys.h"

namespace cindervane {

// The key number passed to the game: 0 up, 1 down, 2 left, 3 right, 4 A, 5 B, 6 C, 7 Start,
// 8 and 9 the two extra buttons.
using KeyIndex = std::int16_t;

struct MappedKey {
    KeyIndex index = 0;
    platform::KeyPoint point;
};

// The device's own key list is asked first, then the four fixed codes, so a device whose
// buttons reuse a fixed code keeps its own meaning. Keys in neither give nothing.
std::optional<MappedKey> mapKey(const platform::KeyList& keys, std::uint64_t wParam);

}  // namespace cindervane
