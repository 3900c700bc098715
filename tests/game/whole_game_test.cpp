// A whole game through the program: the expert autopilot with refills plays a new game
// headless from the main menu through all eight stages, the ending, the nick entry and the
// high score table. It takes seconds, so it has a label of its own (`long`). Seed 4 is the
// autopilot seed that finished in the last balance report (docs/balance.md).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "../test_folder.h"

namespace cindervane {
namespace {

TEST(WholeGame, TheExpertWithRefillsFinishesTheGameAndEntersTheHighScoreTable) {
    TestFolder folder;
    const auto report = folder.path() / "report.json";
    const std::string command = std::string(CINDERVANE_PROGRAM) +
                                " --headless --autopilot=refill,skill=expert,seed=4 --frames "
                                "150000 --data-dir " +
                                folder.path().string() + " --report " + report.string() + " 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    std::ifstream in(report);
    ASSERT_TRUE(in) << "no report";
    const nlohmann::json game = nlohmann::json::parse(in);
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
