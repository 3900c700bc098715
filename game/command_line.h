// The command line: what the player (or a test) asks of the program, checked in full before
// anything runs. Every mistake becomes one short sentence and the usage exit code.
#pragma once

#include <string>

#include "game/game_options.h"
#include "platform/options.h"

namespace cindervane {

// Exit codes of the program: 0 when the game closed normally, 1 when it cannot run (no
// window, no folder for the scores, ...), 2 for a mistake on the command line.
constexpr int kExitCannotRun = 1;
constexpr int kExitUsage = 2;

// The most frames --frames accepts: about a year of play, far beyond any scripted run.
constexpr long long kMostFrames = 1'000'000'000;

struct CommandLine {
    platform::PlatformOptions platform;
    GameOptions game;
    bool headless = false;
    bool suspendRunning = false;
    std::string scriptFile;  // empty: no script
    std::string recordFile;  // empty: the session is not recorded
};

struct CommandLineResult {
    // False when the program ends at once: after --help or --version (exit code 0, the
    // text in output for stdout), or after a mistake (kExitUsage, one line in error).
    bool run = false;
    int exitCode = 0;
    std::string output;
    std::string error;
};

// Reads the arguments (argv[0] is the program's name) into the command line.
CommandLineResult parseCommandLine(int argc, const char* const* argv, CommandLine& commandLine);

// The whole --help text.
std::string helpText();

}  // namespace cindervane
