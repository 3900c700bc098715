// What each stage puts on its background, read from the game's own tables: the background,
// the ship variant flown there, the boss with its sections as the game places them, the
// enemy craft of the stage's timetable, and the shots the enemies fire. The stage sheet and
// the readability tests both work from it.
#pragma once

#include <string_view>
#include <vector>

namespace cindervane::assetgen {

// A picture file cut as a sheet: its frames side by side.
struct CastSheet {
    std::string_view file;
    int frames = 1;
    int frameWidth = 0;
    int frameHeight = 0;
};

// A boss's body or section, placed as the game places it relative to the body's corner.
struct BossPiece {
    CastSheet sheet;
    int dx = 0;
    int dy = 0;
};

struct StageCast {
    int stage = 0;
    std::string_view name;
    std::string_view background;
    CastSheet ship;
    std::vector<BossPiece> boss;     // drawing order: the pieces beneath the body first
    std::vector<CastSheet> enemies;  // every craft of the timetable, first comers first
    std::vector<CastSheet> shots;    // every shot an enemy fires
};

// Stages 1 to 8.
const std::vector<StageCast>& stageCasts();

}  // namespace cindervane::assetgen
