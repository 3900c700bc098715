// A whole stage flown without a mouse: the program in its window (SDL's dummy video driver),
// the expert autopilot's hand on the arrow keys or on a gamepad, from the stage 1 intro (tapped
// away by walking the pointer there) through the boss until the stage is cleared. It plays at
// the real pace, so it has the label `long`. The session's recording holds only what the keys
// or the pad gave the game, and replays.
#include <gtest/gtest.h>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

void clearsStageOne(const std::string& hand) {
    TestFolder folder;
    const auto report = folder.path() / "report.json";
    const auto session = folder.path() / "session.txt";
    const ProgramOutcome ran =
        runProgram("--autopilot=hand=" + hand + " --stage 1 --seed 1 --no-sound --frames 5000 " +
                       "--data-dir " + (folder.path() / "data").string() + " --report " +
                       report.string() + " --record " + session.string(),
                   "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy");
    ASSERT_EQ(ran.exitCode, 0) << ran.output;
    const nlohmann::json game = readJson(report);
    ASSERT_TRUE(game.is_object()) << "no report";
    ASSERT_FALSE(game["stages"].empty());
    EXPECT_EQ(game["stages"][0]["stage"], 1);
    EXPECT_TRUE(game["stages"][0]["cleared"]) << game["stages"][0].dump();

    const ProgramOutcome replayed =
        runProgram("--headless --script " + session.string() + " --data-dir " +
                   (folder.path() / "replay").string());
    EXPECT_EQ(replayed.exitCode, 0) << replayed.output;
}

TEST(FlyingWithoutAMouse, TheArrowKeysAloneClearStageOne) {
    clearsStageOne("keys");
}

TEST(FlyingWithoutAMouse, AGamepadAloneClearsStageOne) {
    clearsStageOne("pad");
}

}  // namespace
}  // namespace cindervane
