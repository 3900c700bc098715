// Starting a stage: what each loader clears, loads, builds and writes, restarting a stage,
// a stage number outside 1..8, and every picture the loaders report missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
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
        state.app = &app;
        startUpGame(state, host);
    }

    platform::PlatformOptions options(const std::vector<std::string>& missing) {
        const fs::path program = fs::read_symlink("/proc/self/exe").parent_path();
        const fs::path assets = folder.path() / "assets";
        fs::create_directories(assets);
        for (const auto& entry : fs::directory_iterator(program)) {
            const std::string name = entry.path().filename().string();
            const std::string extension = entry.path().extension().string();
            if (extension != ".BAI" && extension != ".BAS") continue;
            if (std::find(missing.begin(), missing.end(), name) != missing.end()) continue;
            fs::create_symlink(entry.path(), assets / name);
        }
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
        EXPECT_EQ(fileOf(state.backgroundImage), row.background.file);
        EXPECT_EQ(fileOf(state.introImage), row.nextIntro.file);
        EXPECT_EQ(fileOf(state.endImage), row.ending.file);
        EXPECT_EQ(fileOf(state.shopImage), row.shop.file);
        ASSERT_NE(state.ship, nullptr);
        EXPECT_EQ(state.ship->getKind(), row.shipKind);
        EXPECT_EQ(state.spawnTable[state.spawnCount - 1].tick >= row.bossTick, true);
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(state.spawnCount, 326);
}

TEST_F(StageStart, RestartingRebuildsTheShipClearsTheCountersAndReplaysTheTimetable) {
    startStage(state, 1);
    state.ship->setX(3);
    state.ship->setY(7);
    state.ship->setHp(10);
    state.frameCounter = 900;
    state.gameOverCounter = 40;
    state.spawnCursor = 17;
    state.stageCleared = true;
    state.playerDown = true;
    state.scrollY = 500;
    state.scrollSpeed = 9;

    startStage(state, 1);
    ASSERT_NE(state.ship, nullptr);
    EXPECT_EQ(state.ship->getX(), 90);
    EXPECT_EQ(state.ship->getY(), 298 - state.ship->height());
    EXPECT_EQ(state.ship->getHp(), 5000);
    EXPECT_EQ(state.ship->getFrame(), 3);
    EXPECT_EQ(state.ship->getSpeedCapX(), 8);
    EXPECT_EQ(state.ship->getSpeedY(), 8);
    EXPECT_EQ(state.frameCounter, 0);
    EXPECT_EQ(state.gameOverCounter, 0);
    EXPECT_EQ(state.spawnCursor, 0);
    EXPECT_FALSE(state.stageCleared);
    EXPECT_FALSE(state.playerDown);
    EXPECT_EQ(state.scrollY, 0);
    EXPECT_EQ(state.scrollSpeed, 2);
    EXPECT_EQ(state.scrollWrap, 960);
    // The first stage's starting levels.
    EXPECT_EQ(state.ship->getMachineGunLevel(), 1);
    EXPECT_EQ(state.ship->getMachineGunCap(), 3);
    // The timetable plays again from its first row.
    spawnDue(state, 50);
    ASSERT_NE(state.enemies.head(), nullptr);
    EXPECT_EQ(state.enemies.head()->object->getKind(), 4);
    EXPECT_EQ(state.enemies.head()->object->getX(), 59);

    ASSERT_EQ(state.spawnCount, 120);
    for (int i = 0; i < state.spawnCount; ++i) {
        const SpawnEntry& row = state.spawnTable[i];
        const SpawnEntry& given = kStage1Timetable[i];
        EXPECT_EQ(row.type, given.type);
        EXPECT_EQ(row.tick, given.tick);
        EXPECT_EQ(row.x, given.x);
        EXPECT_EQ(row.dirY, given.dirY);
        if (row.type == 7) {
            EXPECT_EQ(row.itemKind, given.itemKind);
        }
    }
}

TEST_F(StageStart, AStageOutsideOneToEightBuildsNothing) {
    startStage(state, 2);
    startStage(state, 9);
    EXPECT_EQ(state.ship, nullptr);
    EXPECT_EQ(state.backgroundImage, nullptr);
    EXPECT_EQ(state.introImage, nullptr);
    EXPECT_EQ(state.endImage, nullptr);
    EXPECT_EQ(state.shopImage, nullptr);
    EXPECT_EQ(state.enemies.head(), nullptr);
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
    EXPECT_NE(state.ship, nullptr);
    EXPECT_EQ(state.spawnCount, 120);
}

TEST_F(StageStart, TheShipsMissesSayTeamInStageOneAndEnemyLater) {
    // Catalogue entries taken away after start-up, as a sheet that failed to load leaves
    // its kind unfound.
    state.craftSheets.clear();
    state.partSheets.clear();
    state.projectileSheets.clear();
    state.effectSheets.clear();
    startStage(state, 1);
    const auto first = boxes();
    ASSERT_GE(first.size(), 5u);
    EXPECT_EQ(first[0], "Error loading Ship Pointer");
    EXPECT_EQ(first[1], "Error loading Ship Part Pointer");
    EXPECT_EQ(first[2], "Error loading Team Guns Pointer");
    EXPECT_EQ(first[3], "Error loading Team Gun Ammos Explosion Pointer");
    EXPECT_NE(std::find(first.begin(), first.end(), "Error loading Team Special Guns Pointer"),
              first.end());
    EXPECT_EQ(first.back(), "Error loading Team Explosion Pointer");
    startStage(state, 2);
    const auto later = boxes();
    ASSERT_GT(later.size(), first.size());
    EXPECT_EQ(later[first.size() + 2], "Error loading Enemy Guns Pointer");
    EXPECT_EQ(later.back(), "Error loading Enemy Explosion Pointer");
}

}  // namespace
}  // namespace cindervane
