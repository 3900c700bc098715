// The name of a picked-up item, rising over the play field for a few frames.
#pragma once

#include <cstdint>
#include <string>

namespace cindervane {

// The rectangle a label is drawn in, from its record's left and top.
constexpr std::int32_t kPickupLabelWidth = 100;
constexpr std::int32_t kPickupLabelHeight = 18;

struct PickupLabel {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::u16string label;  // at most 10 characters
};

}  // namespace cindervane
