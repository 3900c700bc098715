// Whole stages through the program: --stage starts a new game at any stage with the ship a
// game starts with, and the autopilot with refills clears stage 1.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

class StageRun : public ::testing::Test {
  protected:
    // Runs the program headless for the frames with the options, dumping the state at each
    // of the frames asked for; the dumps in that order.
    std::vector<nlohmann::json> run(const std::string& options, int frames,
                                    const std::vector<int>& dumpAt) {
        const auto script = folder.path() / "script.txt";
        {
            std::ofstream out(script);
            for (int at : dumpAt)
                out << at << " dump " << (folder.path() / (std::to_string(at) + ".json")).string()
                    << "\n";
        }
        const ProgramOutcome ran =
            runCommand(std::string(CINDERVANE_PROGRAM) + " --headless --frames " +
                       std::to_string(frames) + " --data-dir " + folder.path().string() +
                       " --script " + script.string() + " " + options);
        output = ran.output;
        exitCode = ran.exitCode;
        std::vector<nlohmann::json> dumps;
        for (int at : dumpAt) {
            std::ifstream in(folder.path() / (std::to_string(at) + ".json"));
            dumps.push_back(in ? nlohmann::json::parse(in) : nlohmann::json());
        }
        return dumps;
    }

    TestFolder folder;
    std::string output;
    int exitCode = -1;
};

TEST_F(StageRun, StageOptionOpensTheIntroAndTheStageIsFlownWithTheStartingShip) {
    // The autopilot taps the intro after 30 frames.
    const auto dumps = run("--stage 3 --autopilot", 40, {1, 39});
    ASSERT_EQ(exitCode, 0) << output;
    const auto& intro = dumps[0];
    EXPECT_EQ(intro["screen"], "StageIntro");
    EXPECT_EQ(intro["stageNumber"], 3);
    EXPECT_EQ(intro["score"], 0);
    const int levels[] = {0, 1, 0, 0, 0, 1, 1, 1};
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(intro["shopRows"][row]["level"], levels[row]) << row;
        EXPECT_EQ(intro["shopRows"][row]["levelLimit"], row == 0 ? 9 : 6) << row;
    }
    const auto& play = dumps[1];
    EXPECT_EQ(play["screen"], "Play");
    ASSERT_EQ(play["spawnCount"], 178);
    EXPECT_EQ(play["spawnTable"][177], nlohmann::json({29, 3200, 0, 10, -200, 0, 1, 0}));
    EXPECT_EQ(play["ship"]["machineGunLevel"], 1);
    EXPECT_EQ(play["ship"]["machineGunCap"], 6);
    EXPECT_TRUE(play["messageBoxes"].empty()) << output;
}

TEST_F(StageRun, TheAutopilotWithRefillsClearsStageOneWithin6000Frames) {
    const auto dumps = run("--stage 1 --autopilot=refill --seed 7", 6000, {6000});
    ASSERT_EQ(exitCode, 0) << output;
    const auto& dump = dumps[0];
    ASSERT_TRUE(dump.is_object()) << output;
    // After the clear it taps on into the ending and the shop, so the stage number tells.
    EXPECT_GE(dump["stageNumber"], 2) << dump["screen"];
    EXPECT_GE(dump["score"], 50000);
    EXPECT_TRUE(dump["messageBoxes"].empty());
}

}  // namespace
}  // namespace cindervane
