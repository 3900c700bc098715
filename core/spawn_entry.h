// One row of a stage's timetable: which enemy appears at which stage tick, where, heading
// which way, and what its item box holds.
#pragma once

#include <cstdint>

namespace cindervane {

struct SpawnEntry {
    std::int32_t type = 0;     // the enemy type, 1..50
    std::int32_t tick = 0;     // the stage tick at which it appears
    std::int32_t pattern = 0;  // its behaviour variant
    std::int32_t x = 0;        // where it appears; may lie off the screen
    std::int32_t y = 0;
    std::int32_t dirX = 0;  // its first heading, -1, 0 or +1
    std::int32_t dirY = 0;
    std::int32_t itemKind = 0;  // what an item carrier (type 7) brings
};

// The most rows a timetable may hold.
constexpr int kSpawnTableSize = 500;

}  // namespace cindervane
