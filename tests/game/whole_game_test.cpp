// A whole game through the program: the expert autopilot with refills plays a new game
// headless from the main menu through all eight stages, the ending, the nick entry and the
// high score table. It takes seconds, so it has a label of its own (`long`). Seed 4 is the
// autopilot seed that finished in the last balance report (docs/balance.md).
#include <gtest/gtest.h>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

TEST(WholeGame, TheExpertWithRefillsFinishesTheGameAndEntersTheHighScoreTable) {
    TestFolder folder;
    const auto report = folder.path() / "report.json";
    const ProgramOutcome ran =
        runProgram("--headless --autopilot=refill,skill=expert,seed=4 --frames 150000 --data-dir " +
                   folder.path().string() + " --report " + report.string());
    ASSERT_EQ(ran.exitCode, 0) << ran.output;
    const nlohmann::json game = readJson(report);
    ASSERT_TRUE(game.is_object()) << "no report";
    for (int stage = 1; stage <= 8; ++stage) {
        bool cleared = false;
        for (const auto& record : game["stages"])
            cleared = cleared || (record["stage"] == stage && record["cleared"] == true);
        EXPECT_TRUE(cleared) << "stage " << stage;
    }
    EXPECT_TRUE(game["finished"]) << "the stage 8 boss falls and the ending is left";
    EXPECT_EQ(game["bestNick"], "BOT") << "the nick entered after the ending";
    EXPECT_TRUE(game["ended"]);
}

}  // namespace
}  // namespace cindervane
