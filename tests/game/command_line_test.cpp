// The program itself, run headless from the command line as the scripts and docs use it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

using Outcome = ProgramOutcome;

Outcome runProgram(const std::string& arguments) {
    return runCommand(std::string(CINDERVANE_PROGRAM) + " " + arguments);
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

TEST(CommandLine, AHeadlessRunDumpsValidJsonAtTheLastFrame) {
    TestFolder folder;
    const auto out = folder.path() / "out.json";
    writeFile(folder.path() / "s.txt", "# dump at the end\n30 dump " + out.string() + "\n");
    const Outcome run = runProgram("--headless --frames 30 --data-dir " + folder.path().string() +
                                   " --script " + (folder.path() / "s.txt").string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::ifstream in(out);
    const auto dump = nlohmann::json::parse(in);
    EXPECT_EQ(dump["frames"], 30);
    EXPECT_EQ(dump["screen"], "Logo");
    EXPECT_EQ(dump["suspended"], false);
    EXPECT_TRUE(dump["messageBoxes"].is_array());
}

TEST(CommandLine, AMalformedScriptIsReportedWithItsLineBeforeAnythingRuns) {
    TestFolder folder;
    const auto out = folder.path() / "never.json";
    writeFile(folder.path() / "bad.txt", "0 dump " + out.string() + "\n\n1 tapp 3 4\n");
    const Outcome run =
        runProgram("--headless --frames 5 --script " + (folder.path() / "bad.txt").string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("line 3: unknown event 'tapp'"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CommandLine, HelpListsEveryOption) {
    const Outcome run = runProgram("--help");
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option :
         {"--headless", "--frames", "--script", "--assets", "--data-dir", "--seed", "--scale",
          "--fullscreen", "--no-sound", "--no-wave-device", "--suspend-running"}) {
        EXPECT_NE(run.output.find(option), std::string::npos) << option;
    }
}

TEST(CommandLine, TheSoundOptionsRunTheGameToItsEnd) {
    TestFolder folder;
    for (const char* option : {"--no-sound", "--no-wave-device"}) {
        const Outcome run = runProgram(std::string("--headless --frames 5 ") + option +
                                       " --data-dir " + folder.path().string());
        EXPECT_EQ(run.exitCode, 0) << option << ": " << run.output;
    }
}

}  // namespace
}  // namespace cindervane
