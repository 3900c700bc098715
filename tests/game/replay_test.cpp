// Recording and replaying through the program itself: a recorded session replays to the
// same game, a recording that no longer matches says where it went astray, and a replay
// watched in the window, recorded again there, replays headless.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

using Outcome = ProgramOutcome;

class Replay : public ::testing::Test {
  protected:
    std::string file(const std::string& name) const { return (folder.path() / name).string(); }
    // A window of its own, at the real pace and with the sound card's own clock.
    std::string inAWindow() const {
        return "XDG_RUNTIME_DIR=" + runtime.path().string() +
               " SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy";
    }

    // Records a scripted session on stage 1: taps, a drag with the stylus, key presses and
    // the speaker switch, for 200 frames; its last dump in "played.json".
    void recordScriptedSession() {
        std::string script =
            "30 tap 120 160\n"  // the intro: the stage begins
            "40 down 120 250\n";
        for (int f = 41; f <= 90; ++f)
            script += std::to_string(f) + " move " + std::to_string(120 + (f - 40) * 2) + " " +
                      std::to_string(250 - (f - 40)) + "\n";
        script +=
            "60 press a\n"
            "95 up 220 200\n"
            "100 keydown b\n"
            "101 keyup b\n"
            "120 tap 10 10\n"  // the speaker switch
            "130 down 60 280\n"
            "131 move 60 280\n"
            "131 move 60 280\n"
            "150 press up\n"
            "170 keydown start\n"
            "171 keyup start\n"
            "200 dump " +
            file("played.json") + "\n";
        std::ofstream(file("session.txt")) << script;
        const Outcome recorded =
            runProgram("--headless --stage 1 --seed 7 --frames 200 --data-dir " + file("") +
                       " --script " + file("session.txt") + " --record " + file("rec.txt"));
        ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    }

    TestFolder folder;
    TestFolder runtime;
};

TEST_F(Replay, ARecordedSessionReplaysToTheSameGameFieldForFieldAndNotWhenAnEventMoves) {
    recordScriptedSession();
    std::vector<std::string> recording = readLines(file("rec.txt"));
    ASSERT_GE(recording.size(), 4u);
    EXPECT_EQ(recording[1], "seed 7");
    EXPECT_EQ(recording[2], "stage 1");
    EXPECT_EQ(recording.back(), "200 quit");
    // Every input arrived, the repeated move once only; one check at 300-frame marks (none
    // here) and one at the end.
    int moves = 0;
    int checks = 0;
    for (const std::string& line : recording) {
        moves += line.find(" move ") != std::string::npos;
        checks += line.find(" check ") != std::string::npos;
    }
    EXPECT_EQ(moves, 51);
    EXPECT_EQ(checks, 1);
    for (const char* input :
         {"30 down 120 160", "30 up 120 160", "60 keydown a", "60 keyup a", "95 up 220 200",
          "100 keydown b", "120 down 10 10", "171 keyup start"})
        EXPECT_NE(std::find(recording.begin(), recording.end(), input), recording.end()) << input;

    // The replay checks itself and ends where the recording did; a dump just before the quit
    // sees the same game.
    recording.insert(recording.end() - 1, "200 dump " + file("replayed.json"));
    writeLines(file("replay.txt"), recording);
    TestFolder otherData;
    const Outcome replayed = runProgram("--headless --data-dir " + otherData.path().string() +
                                        " --script " + file("replay.txt"));
    ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
    const nlohmann::json played = readJson(file("played.json"));
    const nlohmann::json again = readJson(file("replayed.json"));
    ASSERT_TRUE(played.is_object());
    EXPECT_EQ(played["screen"], "Play");
    EXPECT_EQ(played["soundOn"], false);
    EXPECT_EQ(played["ship"]["autoFire"], true);
    for (const auto& [field, value] : played.items())
        EXPECT_EQ(again[field], value) << field;
    EXPECT_EQ(again.size(), played.size());
    // The recording's last check holds the dump's hashes, the whole and part by part.
    std::string check = "200 check " + played["stateHash"].get<std::string>();
    EXPECT_EQ(check.size(), 10u + 16u);
    for (const char* part : {"game", "ship", "enemies", "shots", "items", "random"})
        check += std::string(" ") + part + "=" + played["stateHashes"][part].get<std::string>();
    EXPECT_EQ(recording.end()[-3], check);

    // An event moved by one frame (auto fire starts a frame late) fails at the next check
    // and names the part that differs.
    const auto press = std::find(recording.begin(), recording.end(), "60 keyup a");
    ASSERT_NE(press, recording.end());
    *press = "61 keyup a";
    writeLines(file("moved.txt"), recording);
    const Outcome moved =
        runProgram("--headless --data-dir " + file("") + " --script " + file("moved.txt"));
    EXPECT_EQ(moved.exitCode, 1) << moved.output;
    EXPECT_NE(moved.output.find("replay diverged at frame 200: "), std::string::npos)
        << moved.output;
    EXPECT_NE(moved.output.find(" differs"), std::string::npos) << moved.output;
}

TEST_F(Replay, AHeaderThatDisagreesWithTheCommandLineIsAnError) {
    std::ofstream(file("header.txt")) << "seed 12\nstage 3\n10 quit\n";
    const std::string base =
        "--headless --data-dir " + file("") + " --script " + file("header.txt");
    EXPECT_EQ(runProgram(base).exitCode, 0);
    EXPECT_EQ(runProgram(base + " --seed 12 --stage 3").exitCode, 0);
    const Outcome seed = runProgram(base + " --seed 13");
    EXPECT_EQ(seed.exitCode, 2);
    EXPECT_NE(seed.output.find("--seed 13 disagrees with the script's seed 12"), std::string::npos)
        << seed.output;
    const Outcome stage = runProgram(base + " --stage 2");
    EXPECT_EQ(stage.exitCode, 2);
    EXPECT_NE(stage.output.find("--stage 2 disagrees with the script's stage 3"), std::string::npos)
        << stage.output;
}

TEST_F(Replay, TheHighScoreTableOfTheRecordingIsUsedAndTheFileLeftAlone) {
    // A recording made with one table replays against a data folder that holds another.
    std::ofstream(file("scores.txt"))
        << "seed 1\nhighscore 900 ABC\nhighscore 50\n5 dump " + file("scores.json") << "\n5 quit\n";
    TestFolder data;
    const Outcome replayed = runProgram("--headless --data-dir " + data.path().string() +
                                        " --script " + file("scores.txt"));
    ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
    const nlohmann::json dump = readJson(file("scores.json"));
    EXPECT_EQ(dump["highScores"][0]["nick"], "ABC");
    EXPECT_EQ(dump["highScores"][0]["score"], 900);
    EXPECT_EQ(dump["highScores"][1]["score"], 50);
    ASSERT_EQ(dump["highScores"].size(), 10u);
    EXPECT_EQ(dump["highScores"][9], (nlohmann::json{{"nick", ""}, {"score", 0}}));
    EXPECT_EQ(std::filesystem::file_size(data.path() / "hscr000.bas"), 0u);
}

TEST_F(Replay, AReplayWatchedInTheWindowPlaysOutAndHandsOver) {
    const Outcome recorded = runProgram(
        "--headless --stage 2 --autopilot=refill --seed 3 --frames 60 "
        "--data-dir " +
        file("") + " --record " + file("short.txt"));
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    // Watched at the real pace, then 30 frames more in the player's hands (who does nothing),
    // all of it recorded again.
    const Outcome watched =
        runProgram("--script " + file("short.txt") + " --frames 90 --scale 1 --data-dir " +
                       file("") + " --record " + file("watched.txt"),
                   inAWindow());
    ASSERT_EQ(watched.exitCode, 0) << watched.output;
    // The same input reached the game, at the same frames.
    const auto inputs = [](const std::vector<std::string>& all) {
        std::vector<std::string> kept;
        for (const std::string& line : all)
            if (line.find(" check ") == std::string::npos &&
                line.find(" quit") == std::string::npos)
                kept.push_back(line);
        return kept;
    };
    const std::vector<std::string> recording = readLines(file("watched.txt"));
    EXPECT_EQ(inputs(recording), inputs(readLines(file("short.txt"))));
    EXPECT_EQ(recording.back(), "90 quit");
    EXPECT_EQ(recording.end()[-2].rfind("90 check ", 0), 0u);
    TestFolder data;
    const Outcome replayed = runProgram("--headless --data-dir " + data.path().string() +
                                        " --script " + file("watched.txt"));
    EXPECT_EQ(replayed.exitCode, 0) << replayed.output;
}

}  // namespace
}  // namespace cindervane
