// A whole stage flown without a mouse: the program in its window (SDL's dummy video driver),
// the expert autopilot's hand on the arrow keys or on a gamepad, from the stage 1 intro (tapped
// away by walking the pointer there) through the boss until the stage is cleared. It plays at
// the real pace, so it has the label `long`. The session's recording holds only what the keys
// or the pad gave the game, and replays.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "../test_folder.h"

namespace cindervane {
namespace {

void clearsStageOne(const std::string& hand) {
    TestFolder folder;
    const auto report = folder.path() / "report.json";
    const auto session = folder.path() / "session.txt";
    const std::string command = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                std::string(CINDERVANE_PROGRAM) + " --autopilot=hand=" + hand +
                                " --stage 1 --seed 1 --no-sound --frames 5000 --data-dir " +
                                (folder.path() / "data").string() + " --report " + report.string() +
                                " --record " + session.string() + " 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    std::ifstream in(report);
    ASSERT_TRUE(in) << "no report";
    const nlohmann::json game = nlohmann::json::parse(in);
    ASSERT_FALSE(game["stages"].empty());
    EXPECT_EQ(game["stages"][0]["stage"], 1);
    EXPECT_TRUE(game["stages"][0]["cleared"]) << game["stages"][0].dump();

    const std::string replay = std::string(CINDERVANE_PROGRAM) + " --headless --script " +
                               session.string() + " --data-dir " +
                               (folder.path() / "replay").string() + " 2>&1";
    const int replayed = std::system(replay.c_str());
    EXPECT_TRUE(WIFEXITED(replayed) && WEXITSTATUS(replayed) == 0) << replay;
}

TEST(FlyingWithoutAMouse, TheArrowKeysAloneClearStageOne) {
    clearsStageOne("keys");
}

TEST(FlyingWithoutAMouse, AGamepadAloneClearsStageOne) {
    clearsStageOne("pad");
}

}  // namespace
}  // namespace cindervane
