// Starting a stage: what each loader clears, loads, builds and writes, restarting a stage,
// a stage number outside 1..8, and every picture the loaders report missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "../gamelibrary/recording_game.h"
#include "../test_folder.h"
#include "enemies/stage_table.h"
#include "enemies/timetables/stage1.h"
#include "game/start_up.h"
#include "gamelibrary/game_app.h"
#include "platform/headless_platform.h"
#include "shell/stage_start.h"
#include "stage/enemy_factory.h"
#include "stage/game_state.h"

namespace cindervane {
namespace {

namespace fs = std::filesystem;

// The generated pictures and sounds, linked into a folder of the test's own so that some
// can be left out, and a game started on them.
class StageStart : public ::testing::Test {
  protected:
    explicit StageStart(std::vector<std::string> missing = {})
        : host(options(missing), {}), game(host), app(host, game, "CindervaneTest") {
        state.run.app = &app;
        startUpGame(state, host);
    }

    platform::PlatformOptions options(const std::vector<std::string>& missing) {
        const fs::path assets = folder.path() / "assets";
        linkGeneratedAssets(assets, missing);
        platform::PlatformOptions chosen;
        chosen.seed = 1;
        chosen.assetDirectory = assets;
        chosen.dataDirectory = folder.path();
        return chosen;
    }

    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : host.messageBoxes())
            texts.push_back(box.text);
        return texts;
    }
    static std::string fileOf(const std::unique_ptr<Surface>& slot) {
        return slot ? fs::path(slot->path()).filename().string() : std::string();
    }

    TestFolder folder;
    platform::HeadlessPlatform host;
    RecordingGame game;
    GameApp app;
    GameState state;
};

TEST_F(StageStart, EachStageLoadsItsPicturesShipAndTimetable) {
    for (int stage = 1; stage <= 8; ++stage) {
        SCOPED_TRACE(stage);
        startStage(state, stage);
        const StageRow& row = kStages[stage - 1];
        EXPECT_EQ(fileOf(state.flow.backgroundImage), row.background.file);
        EXPECT_EQ(fileOf(state.flow.introImage), row.nextIntro.file);
        EXPECT_EQ(fileOf(state.flow.endImage), row.ending.file);
        EXPECT_EQ(fileOf(state.flow.shopImage), row.shop.file);
        ASSERT_NE(state.field.ship, nullptr);
        EXPECT_EQ(state.field.ship->getKind(), row.shipKind);
        EXPECT_EQ(state.field.spawnTable[state.field.spawnCount - 1].tick >= row.bossTick, true);
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(state.field.spawnCount, 326);
}

TEST_F(StageStart, RestartingRebuildsTheShipClearsTheCountersAndReplaysTheTimetable) {
    startStage(state, 1);
    state.field.ship->setX(3);
    state.field.ship->setY(7);
    state.field.ship->setHp(10);
    state.flow.frameCounter = 900;
    state.flow.gameOverCounter = 40;
    state.field.spawnCursor = 17;
    state.field.stageCleared = true;
    state.field.playerDown = true;
    state.flow.scrollY = 500;
    state.flow.scrollSpeed = 9;

    startStage(state, 1);
    ASSERT_NE(state.field.ship, nullptr);
    EXPECT_EQ(state.field.ship->getX(), 90);
    EXPECT_EQ(state.field.ship->getY(), 298 - state.field.ship->height());
    EXPECT_EQ(state.field.ship->getHp(), 5000);
    EXPECT_EQ(state.flow.frameCounter, 0);
    EXPECT_EQ(state.flow.gameOverCounter, 0);
    EXPECT_EQ(state.field.spawnCursor, 0);
    EXPECT_FALSE(state.field.stageCleared);
    EXPECT_FALSE(state.field.playerDown);
    EXPECT_EQ(state.flow.scrollY, 0);
    EXPECT_EQ(state.flow.scrollSpeed, 2);
    EXPECT_EQ(state.flow.scrollWrap, 960);
    // The first stage's starting levels.
    EXPECT_EQ(state.field.ship->getMachineGunLevel(), 1);
    EXPECT_EQ(state.field.ship->getMachineGunCap(), 3);
    // The timetable plays again from its first row.
    spawnDue(state.field, state.run, 50);
    ASSERT_NE(state.field.enemies.head(), nullptr);
    EXPECT_EQ(state.field.enemies.head()->object->getKind(), 4);
    EXPECT_EQ(state.field.enemies.head()->object->getX(), 59);

    ASSERT_EQ(state.field.spawnCount, 120);
    for (int i = 0; i < state.field.spawnCount; ++i) {
        const SpawnEntry& a = state.field.spawnTable[i];
        const SpawnEntry& b = kStage1Timetable[i];
        EXPECT_EQ(std::tie(a.type, a.tick, a.pattern, a.x, a.y, a.dirX, a.dirY, a.itemKind),
                  std::tie(b.type, b.tick, b.pattern, b.x, b.y, b.dirX, b.dirY, b.itemKind))
            << i;
    }
}

TEST_F(StageStart, AStageOutsideOneToEightBuildsNothing) {
    startStage(state, 2);
    startStage(state, 9);
    EXPECT_EQ(state.field.ship, nullptr);
    EXPECT_EQ(state.flow.backgroundImage, nullptr);
    EXPECT_EQ(state.flow.introImage, nullptr);
    EXPECT_EQ(state.flow.endImage, nullptr);
    EXPECT_EQ(state.flow.shopImage, nullptr);
    EXPECT_EQ(state.field.enemies.head(), nullptr);
}

class StageStartWithoutPictures : public StageStart {
  protected:
    StageStartWithoutPictures()
        : StageStart({"B0001.BAI", "O0053.BAI", "O0060.BAI", "O0064.BAI", "B0007.BAI"}) {}
};

TEST_F(StageStartWithoutPictures, EachMissingPictureIsNamedAndTheStageIsStillBuilt) {
    startStage(state, 1);
    const std::vector<std::string> expected = {
        "Error loading IMG_SHOP_UPSHOPA",
        "Error loading IMG_BG_EARTH",
        "Error loading IMG_INTRO_ST2",
        "Error loading IMG_END_REDPHOENIX",
    };
    EXPECT_EQ(boxes(), expected);
    EXPECT_NE(state.field.ship, nullptr);
    EXPECT_EQ(state.field.spawnCount, 120);
}

TEST_F(StageStart, TheShipsMissesSayTeamInStageOneAndEnemyLater) {
    // Catalogue entries taken away after start-up, as a sheet that failed to load leaves
    // its kind unfound.
    state.run.craftSheets.clear();
    state.run.partSheets.clear();
    state.run.projectileSheets.clear();
    state.run.effectSheets.clear();
    startStage(state, 1);
    // The ship's own misses (all but the shot sparks' wording) are told apart by the ship
    // tests; here the stage number reaches them.
    const auto first = boxes();
    ASSERT_GE(first.size(), 5u);
    EXPECT_EQ(first[3], "Error loading Team Gun Ammos Explosion Pointer");
    startStage(state, 2);
    const auto later = boxes();
    ASSERT_GT(later.size(), first.size());
    EXPECT_EQ(later[first.size() + 2], "Error loading Enemy Guns Pointer");
    EXPECT_EQ(later.back(), "Error loading Enemy Explosion Pointer");
}

}  // namespace
}  // namespace cindervane
