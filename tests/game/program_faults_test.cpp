// The program under faults from outside: mistakes on the command line, malformed scripts,
// files that are not files, outputs that cannot be written, script lines that never come
// due, no folder for the scores, and signals during play. Every one ends in a clear line and a
// known exit code, and nothing hangs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include <nlohmann/json.hpp>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

namespace fs = std::filesystem;

using Outcome = ProgramOutcome;

// Runs the program through the shell with a time limit, so a hang fails instead of waiting.
Outcome runShell(const std::string& command) {
    return runCommand("timeout 20 " + command);
}

Outcome runProgram(const std::string& arguments) {
    return runShell(std::string(CINDERVANE_PROGRAM) + " " + arguments);
}

int lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Every sentence of the command line's reader is checked beside it; here, that the program
// prints it as one line under its own name and exits with the usage code.
TEST(ProgramFaults, BadValuesAndUnknownOptionsAreOneLineAndExitTwo) {
    for (const char* arguments : {"--frames 0", "--bogus"}) {
        const Outcome run = runProgram(std::string("--headless ") + arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments << ": " << run.output;
        EXPECT_EQ(lines(run.output), 1) << arguments << ": " << run.output;
        EXPECT_EQ(run.output.rfind("cindervane: ", 0), 0u) << run.output;
    }
}

TEST(ProgramFaults, AHeadlessRunDumpsValidJsonAtTheLastFrame) {
    TestFolder folder;
    const auto out = folder.path() / "out.json";
    std::ofstream(folder.path() / "s.txt") << "# dump at the end\n30 dump " << out.string() << "\n";
    const Outcome run = runProgram("--headless --frames 30 --data-dir " + folder.path().string() +
                                   " --script " + (folder.path() / "s.txt").string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::ifstream in(out);
    const auto dump = nlohmann::json::parse(in);
    EXPECT_EQ(dump["frames"], 30);
    EXPECT_EQ(dump["screen"], "Logo");
    EXPECT_EQ(dump["suspended"], false);
}

TEST(ProgramFaults, AMalformedScriptIsReportedWithItsLineBeforeAnythingRuns) {
    TestFolder folder;
    const auto out = folder.path() / "never.json";
    std::ofstream(folder.path() / "bad.txt") << "0 dump " << out.string() << "\n\n1 tapp 3 4\n";
    const Outcome run =
        runProgram("--headless --frames 5 --script " + (folder.path() / "bad.txt").string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("line 3: unknown event 'tapp'"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(out));
}

TEST(ProgramFaults, WithNoHomeNoDataFolderAndNoWorkingFolderItSaysSoAndExitsOne) {
    TestFolder folder;
    const fs::path gone = folder.path() / "gone";
    fs::create_directory(gone);
    const Outcome run = runShell("sh -c 'cd " + gone.string() + " && rmdir " + gone.string() +
                                 " && exec env -u HOME -u XDG_DATA_HOME " + CINDERVANE_PROGRAM +
                                 " --headless --frames 1'");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(lines(run.output), 1) << run.output;
    EXPECT_NE(run.output.find("--data-dir"), std::string::npos) << run.output;
}

TEST(ProgramFaults, AScriptThatIsAPipeIsRefusedAtOnce) {
    TestFolder folder;
    const fs::path pipe = folder.path() / "script";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const Outcome run = runProgram("--headless --frames 5 --data-dir " + folder.path().string() +
                                   " --script " + pipe.string());
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find("not a regular file"), std::string::npos) << run.output;
}

TEST(ProgramFaults, AScreenshotThatCannotBeWrittenNamesItsPathAndTheReason) {
    TestFolder folder;
    std::ofstream(folder.path() / "s.txt") << "1 screenshot /dev/full\n";
    const Outcome run = runProgram("--headless --frames 3 --data-dir " + folder.path().string() +
                                   " --script " + (folder.path() / "s.txt").string());
    EXPECT_EQ(run.exitCode, 3) << run.output;
    EXPECT_NE(run.output.find("/dev/full"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("No space left on device"), std::string::npos) << run.output;
}

TEST(ProgramFaults, ScriptLinesThatNeverComeDueAreReported) {
    TestFolder folder;
    std::ofstream(folder.path() / "s.txt")
        << "2 press a\n50 dump " << folder.path().string() << "/late.json\n60 press b\n";
    const Outcome run = runProgram("--headless --frames 10 --data-dir " + folder.path().string() +
                                   " --script " + (folder.path() / "s.txt").string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("2 script lines never came due, the first at line 2 (frame 50)"),
              std::string::npos)
        << run.output;
}

TEST(ProgramFaults, EscapeSequencesInABadScriptLineAreNotEchoedRaw) {
    TestFolder folder;
    std::ofstream(folder.path() / "s.txt") << "1 \x1b]0;owned\x07\x1b[2J 3 4\n";
    const Outcome run = runProgram("--headless --frames 3 --data-dir " + folder.path().string() +
                                   " --script " + (folder.path() / "s.txt").string());
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_EQ(run.output.find('\x1b'), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("\\x1b]0;owned\\x07\\x1b[2J"), std::string::npos) << run.output;
}

// A long headless run is sent each close signal once it has started: the game closes the
// normal way (exit 0), and its shutdown writes the whole table.
TEST(ProgramFaults, HangupInterruptAndTerminateCloseTheGameTheNormalWay) {
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
        TestFolder folder;
        const fs::path scores = folder.path() / "hscr000.bas";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 2);
            ::execl(CINDERVANE_PROGRAM, CINDERVANE_PROGRAM, "--headless", "--autopilot", "--frames",
                    "1000000000", "--data-dir", folder.path().c_str(), nullptr);
            ::_exit(127);
        }
        // Start-up makes the empty score file; play is under way soon after.
        for (int i = 0; i < 200 && !fs::exists(scores); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::kill(child, signal);
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 400 && !ended; ++i) {
            ended = ::waitpid(child, &status, WNOHANG) == child;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << "signal " << signal << " did not close the game";
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "signal " << signal;
        std::error_code error;
        EXPECT_EQ(fs::file_size(scores, error), 120u) << "signal " << signal;
    }
}

struct XServer {
    pid_t pid = -1;
    std::string display;
};

// Starts Xvfb on a free display: the server picks it and writes its number once it takes
// clients (a server killed earlier leaves its socket behind, so a socket proves nothing).
// Servers started side by side can race for one number and the loser ends, so a server is
// only taken once a client has reached it, with a few tries.
XServer startXServer() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        int ready[2];
        if (::pipe(ready) != 0) return {};
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
            const std::string fd = std::to_string(ready[1]);
            ::execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp",
                    "-screen", "0", "800x700x24", nullptr);
            ::_exit(127);
        }
        ::close(ready[1]);
        char number[16] = {};
        const ssize_t got = pid > 0 ? ::read(ready[0], number, sizeof number - 1) : 0;
        ::close(ready[0]);
        const std::string display = ":" + std::to_string(std::atoi(number));
        if (got > 0 &&
            runCommand("DISPLAY=" + display + " xdotool getdisplaygeometry").exitCode == 0 &&
            ::waitpid(pid, nullptr, WNOHANG) == 0)
            return {pid, display};
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    return {};
}

// The game on a real X server that then goes away: it closes the normal way (scores written,
// exit 0) instead of being ended inside the window system's library.
TEST(ProgramFaults, ALostDisplayClosesTheGameTheNormalWay) {
    if (::access("/usr/bin/Xvfb", X_OK) != 0 || ::access("/usr/bin/xdotool", X_OK) != 0)
        GTEST_SKIP() << "no Xvfb to lose, or no xdotool to see the window";
    TestFolder folder;
    const XServer server = startXServer();
    ASSERT_GT(server.pid, 0) << "Xvfb did not start";
    const std::string& display = server.display;

    const fs::path said = folder.path() / "said.txt";
    const pid_t game = ::fork();
    ASSERT_GE(game, 0);
    if (game == 0) {
        const int out = ::open(said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 2);
        ::setenv("DISPLAY", display.c_str(), 1);
        ::setenv("SDL_VIDEODRIVER", "x11", 1);
        ::execl(CINDERVANE_PROGRAM, CINDERVANE_PROGRAM, "--no-sound", "--scale", "1", "--data-dir",
                folder.path().c_str(), nullptr);
        ::_exit(127);
    }
    // The display goes once the game's window is up on it (a loaded machine may take seconds).
    const fs::path scores = folder.path() / "hscr000.bas";
    const ProgramOutcome window = runCommand("DISPLAY=" + display +
                                             " timeout 20 xdotool search --sync --onlyvisible "
                                             "--name Cindervane");
    EXPECT_EQ(window.exitCode, 0) << "no window came up: " << window.output;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(server.pid, SIGKILL);
    ::waitpid(server.pid, nullptr, 0);

    int status = 0;
    bool ended = false;
    for (int i = 0; i < 400 && !ended; ++i) {
        ended = ::waitpid(game, &status, WNOHANG) == game;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    if (!ended) {
        ::kill(game, SIGKILL);
        ::waitpid(game, &status, 0);
    }
    std::ifstream in(said);
    const std::string output{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(ended) << "the game hung after its display went away: " << output;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << ": " << output;
    EXPECT_NE(output.find("the display went away"), std::string::npos) << output;
    std::error_code error;
    EXPECT_EQ(fs::file_size(scores, error), 120u) << "the scores were written: " << output;
}

}  // namespace
}  // namespace cindervane
