// Starting a stage: the previous ship, enemies and stage pictures go, the stage loader makes
// the stage's own, and the ship gets the levels bought in the shop. The eight loaders differ
// only in their data: the stage table's pictures and ship, and the stage's timetable.
#include "shell/stage_start.h"

#include <algorithm>
#include <span>

#include "enemies/stage_table.h"
#include "enemies/timetables/stage1.h"
#include "enemies/timetables/stage2.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"
#include "enemies/timetables/stage6.h"
#include "enemies/timetables/stage7.h"
#include "enemies/timetables/stage8.h"
#include "play/player_ship.h"
#include "shell/picture_slots.h"
#include "shell/ship_upgrades.h"
#include "stage/enemy_factory.h"
#include "stage/make_player_ship.h"

namespace cindervane {

namespace {

// Stages 1 to 8.
constexpr std::span<const SpawnEntry> kTimetables[] = {
    kStage1Timetable, kStage2Timetable, kStage3Timetable, kStage4Timetable,
    kStage5Timetable, kStage6Timetable, kStage7Timetable, kStage8Timetable,
};

// Only the item carriers use the item kind; their rows alone write it.
constexpr std::int32_t kItemCarrierType = 7;

// The background shows rows scrollY .. scrollY + 319 of its tall picture, climbing
// 2 rows a frame and starting again from row 960.
constexpr std::int32_t kScrollSpeed = 2;
constexpr std::int32_t kScrollWrap = 960;

void writeTimetable(GameState& state, std::span<const SpawnEntry> timetable) {
    const std::size_t count = std::min(timetable.size(), state.field.spawnTable.size());
    for (std::size_t i = 0; i < count; ++i) {
        const SpawnEntry& from = timetable[i];
        SpawnEntry& row = state.field.spawnTable[i];
        row.type = from.type;
        row.tick = from.tick;
        row.pattern = from.pattern;
        row.x = from.x;
        row.y = from.y;
        row.dirX = from.dirX;
        row.dirY = from.dirY;
        if (from.type == kItemCarrierType) row.itemKind = from.itemKind;
    }
    state.field.spawnCount = static_cast<std::int32_t>(count);
}

// The loader of stage n, 1..8.
void loadStage(GameState& state, int stage) {
    const StageRow& row = kStages[stage - 1];
    state.field.spawnCursor = 0;
    state.flow.frameCounter = 0;
    state.flow.gameOverCounter = 0;
    state.field.stageCleared = false;
    state.field.playerDown = false;
    state.flow.scrollX = 0;
    state.flow.scrollY = 0;
    state.flow.scrollSpeed = kScrollSpeed;
    state.flow.scrollWrap = kScrollWrap;

    replacePicture(state, state.flow.shopImage, row.shop.symbol, row.shop.file);
    replacePicture(state, state.flow.backgroundImage, row.background.symbol, row.background.file);
    replacePicture(state, state.flow.introImage, row.nextIntro.symbol, row.nextIntro.file);
    replacePicture(state, state.flow.endImage, row.ending.symbol, row.ending.file);

    // Built, resolved (the first stage reports its misses as "Team", the others as
    // "Enemy") and placed at (90, 298 - height), still, with speeds and caps 8.
    makePlayerShip(state, static_cast<ShipVariant>(row.shipKind), stage);

    writeTimetable(state, kTimetables[stage - 1]);
    fillEnemyPool(state.field);
}

}  // namespace

void startStage(GameState& state, int stage) {
    state.field.ship.reset();
    state.flow.backgroundImage.reset();
    state.flow.introImage.reset();
    state.flow.endImage.reset();
    state.flow.shopImage.reset();
    state.field.enemies.clear();
    if (stage >= 1 && stage <= 8) loadStage(state, stage);
    applyShipUpgrades(state, stage);
}

}  // namespace cindervane
