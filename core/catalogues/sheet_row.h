// One row of a sheet table: the picture a catalogue entry loads and how it is cut.
#pragma once

#include <cstdint>
#include <string_view>

namespace cindervane {

struct SheetRow {
    std::int32_t id;
    std::string_view symbol;  // the picture's name in the error message
    std::string_view file;
    std::int32_t frames;
    std::int32_t frameWidth;
    std::int32_t frameHeight;
    bool noEnemy = false;  // the message leaves out "Enemy " even in the craft and part tables
};

// Marks a row whose error message has no "Enemy ".
inline constexpr bool kNoEnemy = true;

}  // namespace cindervane
