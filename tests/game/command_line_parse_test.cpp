// Reading the command line: every option's value is checked, and every mistake is one short
// sentence with the usage exit code; --help and --version end the program at once.
#include "game/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace cindervane {
namespace {

struct Parsed {
    CommandLine line;
    CommandLineResult result;
};

Parsed parse(std::initializer_list<const char*> words) {
    std::vector<const char*> argv = {"cindervane"};
    argv.insert(argv.end(), words.begin(), words.end());
    Parsed parsed;
    parsed.result = parseCommandLine(static_cast<int>(argv.size()), argv.data(), parsed.line);
    return parsed;
}

bool oneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == std::string::npos;
}

TEST(CommandLineParse, GoodValuesReachTheirOptions) {
    const Parsed p = parse({"--scale", "3", "--frames=1000000000", "--seed", "4294967295",
                            "--stage", "8", "--headless", "--script", "s.txt", "--data-dir", "d",
                            "--autopilot=refill", "--no-sound", "--fullscreen"});
    ASSERT_TRUE(p.result.run) << p.result.error;
    EXPECT_EQ(p.line.platform.scale, 3);
    EXPECT_EQ(p.line.platform.frameLimit, kMostFrames);
    EXPECT_EQ(p.line.platform.seed, 4294967295u);
    EXPECT_EQ(p.line.game.startStage, 8);
    EXPECT_TRUE(p.line.headless);
    EXPECT_EQ(p.line.scriptFile, "s.txt");
    EXPECT_EQ(p.line.platform.dataDirectory, std::filesystem::path("d"));
    EXPECT_TRUE(p.line.game.autopilot && p.line.game.autopilot->refills);
    EXPECT_TRUE(p.line.platform.noSound && p.line.platform.fullScreen);

    const Parsed plain = parse({"--autopilot"});
    ASSERT_TRUE(plain.result.run) << plain.result.error;
    EXPECT_TRUE(plain.line.game.autopilot);
    EXPECT_FALSE(plain.line.game.autopilot->refills);
    EXPECT_FALSE(plain.line.platform.frameLimit.has_value());
}

TEST(CommandLineParse, EveryRangeMistakeIsOneShortSentenceAndTheUsageCode) {
    struct Case {
        std::initializer_list<const char*> words;
        const char* sentence;
    };
    const Case cases[] = {
        {{"--scale", "0"}, "--scale takes a whole number from 1 to 16, not '0'"},
        {{"--scale", "17"}, "--scale takes a whole number from 1 to 16, not '17'"},
        {{"--stage", "9"}, "--stage takes a whole number from 1 to 8, not '9'"},
        {{"--frames", "0"}, "--frames takes a whole number from 1 to 1000000000, not '0'"},
        {{"--frames=-1"}, "--frames takes a whole number from 1 to 1000000000, not '-1'"},
        {{"--frames", "99999999999999999999"},
         "--frames takes a whole number from 1 to 1000000000, not '99999999999999999999'"},
        {{"--frames", "1e3"}, "--frames takes a whole number from 1 to 1000000000, not '1e3'"},
        {{"--seed", "-1"}, "--seed takes a whole number from 0 to 4294967295, not '-1'"},
        {{"--data-dir", ""}, "--data-dir needs a folder name, not an empty one"},
        {{"--autopilot=fast"},
         "--autopilot takes a list of refill, skill=expert|normal|novice, seed=N and "
         "hand=stylus|keys|pad (no refill with keys or a pad), not 'fast'"},
        {{"--headless", "--autopilot=hand=keys"},
         "--autopilot hand=keys and hand=pad play through the window's controls, not with "
         "--headless"},
        {{"--assets", "/no/such/folder"}, "--assets: no folder '/no/such/folder'"},
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"stray"}, "unexpected argument 'stray' (options begin with --)"},
    };
    for (const Case& c : cases) {
        const Parsed p = parse(c.words);
        EXPECT_FALSE(p.result.run) << c.sentence;
        EXPECT_EQ(p.result.exitCode, kExitUsage) << c.sentence;
        EXPECT_EQ(p.result.error, c.sentence);
        EXPECT_TRUE(oneLine(p.result.error)) << p.result.error;
    }
}

TEST(CommandLineParse, AMissingValueAndEscapeSequencesStayOnOneHarmlessLine) {
    const Parsed missing = parse({"--scale"});
    EXPECT_EQ(missing.result.exitCode, kExitUsage);
    EXPECT_EQ(missing.result.error, "--scale needs a value");

    const Parsed escape = parse({"--stage", "\x1b]0;owned\x07\n2"});
    EXPECT_EQ(escape.result.exitCode, kExitUsage);
    EXPECT_EQ(escape.result.error.find('\x1b'), std::string::npos) << escape.result.error;
    EXPECT_NE(escape.result.error.find("\\x1b]0;owned\\x07\\x0a2"), std::string::npos)
        << escape.result.error;
    EXPECT_TRUE(oneLine(escape.result.error));
}

TEST(CommandLineParse, VersionAndHelpEndTheProgramWithCodeZero) {
    const Parsed version = parse({"--version"});
    EXPECT_FALSE(version.result.run);
    EXPECT_EQ(version.result.exitCode, 0);
    EXPECT_EQ(version.result.output, std::string("cindervane ") + CINDERVANE_VERSION + "\n");

    const Parsed help = parse({"--help"});
    EXPECT_FALSE(help.result.run);
    EXPECT_EQ(help.result.exitCode, 0);
    EXPECT_EQ(help.result.output, helpText());
    // Grouped for the reader: playing, the display, then testing.
    const std::string& text = help.result.output;
    const auto play = text.find("Play:");
    const auto display = text.find("Display and sound:");
    const auto testing = text.find("Testing and scripted runs:");
    ASSERT_NE(play, std::string::npos) << text;
    EXPECT_LT(play, display);
    EXPECT_LT(display, testing);
    EXPECT_LT(display, text.find("--scale"));
    EXPECT_LT(testing, text.find("--frames"));
}

}  // namespace
}  // namespace cindervane
