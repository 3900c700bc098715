// The stages' casts, gathered from the game's stage, timetable, shot and sheet tables.
#include "tools/assetgen/stage_cast.h"

#include <algorithm>
#include <span>

#include "core/catalogues/craft_sheets.h"
#include "core/catalogues/part_sheets.h"
#include "core/catalogues/projectile_sheets.h"
#include "enemies/shots/enemy_shots.h"
#include "enemies/stage_table.h"
#include "enemies/timetables/stage1.h"
#include "enemies/timetables/stage2.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"
#include "enemies/timetables/stage6.h"
#include "enemies/timetables/stage7.h"
#include "enemies/timetables/stage8.h"

namespace cindervane::assetgen {

namespace {

template <std::size_t N>
CastSheet findSheet(const std::array<SheetRow, N>& table, int id) {
    for (const SheetRow& row : table)
        if (row.id == id) return {row.file, row.frames, row.frameWidth, row.frameHeight};
    return {};
}

// The sections of the bosses that have them, by the part catalogue's ids, with the places
// the bosses put them (relative to the body's corner), in drawing order around the body.
struct SectionPlace {
    int partId;
    int dx;
    int dy;
    bool beneathBody;
};

std::vector<SectionPlace> sectionsOf(int bossType) {
    switch (bossType) {
        case 29:  // the stage 3 battleship: wings cut at 110 rows
            return {{6, -143, 18, false}, {8, 154, 18, false}};
        case 30:  // the stage 6 battleship: engine towers beneath, wings cut at 145 rows
            return {{4, -66, -125, true},
                    {5, 133, -125, true},
                    {7, -143, 18, false},
                    {9, 154, 18, false}};
        case 1:  // the stage 8 core: rear, centre and front sections
            return {{3, 0, -85, false}, {2, -45, 0, false}, {1, 9, 94, false}};
        default:
            return {};
    }
}

std::span<const SpawnEntry> timetableOf(int stage) {
    switch (stage) {
        case 1:
            return kStage1Timetable;
        case 2:
            return kStage2Timetable;
        case 3:
            return kStage3Timetable;
        case 4:
            return kStage4Timetable;
        case 5:
            return kStage5Timetable;
        case 6:
            return kStage6Timetable;
        case 7:
            return kStage7Timetable;
        default:
            return kStage8Timetable;
    }
}

StageCast castOf(int stage) {
    const StageRow& row = kStages[stage - 1];
    StageCast cast;
    cast.stage = stage;
    cast.name = row.name;
    cast.background = row.background.file;
    cast.ship = findSheet(kCraftSheets, row.shipKind);
    for (const SectionPlace& place : sectionsOf(row.bossType))
        if (place.beneathBody)
            cast.boss.push_back({findSheet(kPartSheets, place.partId), place.dx, place.dy});
    cast.boss.push_back({findSheet(kCraftSheets, row.bossType), 0, 0});
    for (const SectionPlace& place : sectionsOf(row.bossType))
        if (!place.beneathBody)
            cast.boss.push_back({findSheet(kPartSheets, place.partId), place.dx, place.dy});
    for (const SpawnEntry& entry : timetableOf(stage)) {
        const CastSheet sheet = findSheet(kCraftSheets, entry.type);
        if (sheet.file.empty() || entry.type == row.bossType) continue;
        const bool known = std::any_of(cast.enemies.begin(), cast.enemies.end(),
                                       [&](const CastSheet& s) { return s.file == sheet.file; });
        if (!known) cast.enemies.push_back(sheet);
    }
    for (const EnemyShotRow& shot : kEnemyShots) {
        const CastSheet sheet = findSheet(kProjectileSheets, shot.kind);
        const bool known = std::any_of(cast.shots.begin(), cast.shots.end(),
                                       [&](const CastSheet& s) { return s.file == sheet.file; });
        if (!known) cast.shots.push_back(sheet);
    }
    return cast;
}

}  // namespace

const std::vector<StageCast>& stageCasts() {
    static const std::vector<StageCast> casts = [] {
        std::vector<StageCast> all;
        for (int stage = 1; stage <= 8; ++stage)
            all.push_back(castOf(stage));
        return all;
    }();
    return casts;
}

}  // namespace cindervane::assetgen
