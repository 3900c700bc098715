// Whole stages through the program: --stage starts a new game at any stage with the ship a
// game starts with, and the autopilot with refills clears stage 1.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

// The program headless on a data folder of the test's own.
DumpedRun runStage(const TestFolder& folder, const std::string& options, int frames,
                   const std::vector<int>& dumpAt) {
    return runWithDumps(folder.path(), "--data-dir " + folder.path().string() + " " + options,
                        frames, dumpAt);
}

TEST(StageRun, StageOptionOpensTheIntroAndTheStageIsFlownWithTheStartingShip) {
    // The autopilot taps the intro after 30 frames.
    TestFolder folder;
    const DumpedRun ran = runStage(folder, "--stage 3 --autopilot", 40, {1, 39});
    ASSERT_EQ(ran.outcome.exitCode, 0) << ran.outcome.output;
    const auto& intro = ran.dumps[0];
    EXPECT_EQ(intro["screen"], "StageIntro");
    EXPECT_EQ(intro["stageNumber"], 3);
    EXPECT_EQ(intro["score"], 0);
    const int levels[] = {0, 1, 0, 0, 0, 1, 1, 1};
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(intro["shopRows"][row]["level"], levels[row]) << row;
        EXPECT_EQ(intro["shopRows"][row]["levelLimit"], row == 0 ? 9 : 6) << row;
    }
    const auto& play = ran.dumps[1];
    EXPECT_EQ(play["screen"], "Play");
    ASSERT_EQ(play["spawnCount"], 178);
    EXPECT_EQ(play["spawnTable"][177], nlohmann::json({29, 3200, 0, 10, -200, 0, 1, 0}));
    EXPECT_EQ(play["ship"]["machineGunLevel"], 1);
    EXPECT_EQ(play["ship"]["machineGunCap"], 6);
    EXPECT_TRUE(play["messageBoxes"].empty()) << ran.outcome.output;
}

TEST(StageRun, TheAutopilotWithRefillsClearsStageOneWithin6000Frames) {
    TestFolder folder;
    const DumpedRun ran = runStage(folder, "--stage 1 --autopilot=refill --seed 7", 6000, {6000});
    ASSERT_EQ(ran.outcome.exitCode, 0) << ran.outcome.output;
    const auto& dump = ran.dumps[0];
    ASSERT_TRUE(dump.is_object()) << ran.outcome.output;
    // After the clear it taps on into the ending and the shop, so the stage number tells.
    EXPECT_GE(dump["stageNumber"], 2) << dump["screen"];
    EXPECT_GE(dump["score"], 50000);
    EXPECT_TRUE(dump["messageBoxes"].empty());
}

}  // namespace
}  // namespace cindervane
