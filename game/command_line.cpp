// The command line.
#include "game/command_line.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <filesystem>
#include <functional>
#include <memory>

#include "game/autopilot_settings.h"
#include "platform/printable.h"

namespace cindervane {

namespace {

constexpr const char* kPlayGroup = "Play";
constexpr const char* kDisplayGroup = "Display and sound";
constexpr const char* kTestingGroup = "Testing and scripted runs";

// Words from the command line are quoted in messages, made safe to print.
std::string shown(const std::string& text) {
    return "'" + platform::printable(text) + "'";
}

bool wholeNumber(const std::string& text, long long& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

// The options as the user typed them; checked once CLI11 has sorted them out.
struct Given {
    std::string scale, frames, seed, stage, script, record, report, assets, dataDir, autopilot;
};

class Checker {
  public:
    explicit Checker(CommandLineResult& result) : result_(result) {}

    bool failed() const { return !result_.error.empty(); }

    void fail(const std::string& sentence) {
        if (!failed()) result_.error = sentence;
    }

    // A whole number from low to high; a short sentence otherwise.
    template <typename T>
    void number(const CLI::Option* option, const std::string& text, long long low, long long high,
                T& into) {
        if (!*option || failed()) return;
        long long value = 0;
        if (!wholeNumber(text, value) || value < low || value > high) {
            fail(option->get_name() + " takes a whole number from " + std::to_string(low) + " to " +
                 std::to_string(high) + ", not " + shown(text));
            return;
        }
        into = static_cast<T>(value);
    }

  private:
    CommandLineResult& result_;
};

// CLI11's own messages name its internals; these say the same in one short sentence.
std::string sentenceFor(const CLI::ParseError& error) {
    const std::string name = error.get_name();
    std::string what = error.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        // "The following argument was not expected: --x" and its plural.
        const auto colon = what.find(": ");
        const std::string words = colon == std::string::npos ? what : what.substr(colon + 2);
        const std::string first = words.substr(0, words.find(' '));
        if (!first.empty() && first[0] == '-') return "unknown option " + shown(first);
        return "unexpected argument " + shown(first) + " (options begin with --)";
    }
    if (name == "ArgumentMismatch") {
        // "--scale: 1 required INT missing" and the like.
        const std::string option = what.substr(0, what.find(':'));
        if (!option.empty() && option[0] == '-') return option + " needs a value";
    }
    for (char& c : what)
        if (c == '\n' || c == '\r') c = ' ';
    return platform::printable(what);
}

struct Parser {
    CLI::App app{"Cindervane: a vertical shoot-'em-up for a 240 x 320 screen"};
    Given given;
    CLI::Option* scale = nullptr;
    CLI::Option* frames = nullptr;
    CLI::Option* seed = nullptr;
    CLI::Option* stage = nullptr;
    CLI::Option* script = nullptr;
    CLI::Option* record = nullptr;
    CLI::Option* report = nullptr;
    CLI::Option* assets = nullptr;
    CLI::Option* dataDir = nullptr;
    CLI::Option* autopilot = nullptr;

    explicit Parser(CommandLine& line) {
        app.name("cindervane");
        app.set_version_flag("--version", std::string("cindervane ") + CINDERVANE_VERSION,
                             "Print the program's version and exit");
        app.set_help_flag("-h,--help", "Print this help and exit");
        app.footer(
            "Controls: the mouse is the stylus. The arrows or W A S D (a gamepad's left stick\n"
            "or d-pad) steer; Z or Space (pad A) fires, X (pad B) rolls, Enter or Left Shift\n"
            "(pad X, shoulders) charges the hyper beam, C, P or Esc (pad Start, Back) pauses.\n"
            "Outside play they move a pointer and tap. F11 full screen, Ctrl and + or - scale.\n"
            "The high scores live in hscr000.bas in the data folder. Exit status: 0 closed\n"
            "normally, 1 cannot run, 2 a mistake on the command line. See cindervane(6).");

        dataDir = app.add_option("--data-dir", given.dataDir,
                                 "Folder of the high score file (default: "
                                 "$XDG_DATA_HOME/cindervane or ~/.local/share/cindervane)")
                      ->type_name("DIR")
                      ->group(kPlayGroup);
        seed = app.add_option("--seed", given.seed,
                              "Seed of the game's random generator (default: the clock)")
                   ->type_name("N")
                   ->group(kPlayGroup);
        record = app.add_option("--record", given.record,
                                "Write the session to FILE as a script that replays and checks it")
                     ->type_name("FILE")
                     ->group(kPlayGroup);
        app.add_flag("--suspend-running", line.suspendRunning,
                     "Ask the running copy to pause its frames, then exit")
            ->group(kPlayGroup);

        scale = app.add_option("--scale", given.scale,
                               "Window scale factor, 1 to 16 (default: the largest that fits)")
                    ->type_name("N")
                    ->group(kDisplayGroup);
        app.add_flag("--fullscreen", line.platform.fullScreen, "Start full screen (F11 toggles)")
            ->group(kDisplayGroup);
        assets = app.add_option("--assets", given.assets,
                                "Folder of the pictures and sounds (default: beside the program)")
                     ->type_name("DIR")
                     ->group(kDisplayGroup);
        app.add_flag("--no-sound", line.platform.noSound,
                     "Play in silence (sounds still keep their time, so the game runs the same)")
            ->group(kDisplayGroup);

        app.add_flag("--headless", line.headless,
                     "Run without a window or sound on virtual time (tests, scripted runs)")
            ->group(kTestingGroup);
        frames = app.add_option("--frames", given.frames,
                                "Close the game the normal way after N frames (1 to " +
                                    std::to_string(kMostFrames) + ")")
                     ->type_name("N")
                     ->group(kTestingGroup);
        script = app.add_option("--script", given.script,
                                "Input script: run it headless, or watch a replay in the window")
                     ->type_name("FILE")
                     ->group(kTestingGroup);
        stage = app.add_option("--stage", given.stage,
                               "Start a new game at the intro of stage N (1 to 8) with the "
                               "starting ship")
                    ->type_name("N")
                    ->group(kTestingGroup);
        autopilot = app.add_option("--autopilot", given.autopilot,
                                   "Let the autopilot play (tests, demos); settings, "
                                   "comma-separated, any order: refill, "
                                   "skill=expert|normal|novice, seed=N, hand=stylus|keys|pad "
                                   "(keys and pad fly through the window's controls)")
                        ->expected(0, 1)
                        ->type_name("[=SETTINGS]")
                        ->group(kTestingGroup);
        report = app.add_option("--report", given.report,
                                "Write the first game's statistics (stages, damage by enemy and "
                                "gun, coins, score) to FILE as JSON, and close once that game "
                                "has ended")
                     ->type_name("FILE")
                     ->group(kTestingGroup);
        app.add_flag("--no-wave-device", line.platform.noWaveDevice,
                     "Report no sound devices at all (tests the game's failure path)")
            ->group(kTestingGroup);
    }

    // The values CLI11 took as text, checked and moved into the command line.
    void check(CommandLine& line, Checker& checker) {
        checker.number(scale, given.scale, 1, 16, line.platform.scale);
        long long frameLimit = 0;
        checker.number(frames, given.frames, 1, kMostFrames, frameLimit);
        if (*frames && !checker.failed()) line.platform.frameLimit = frameLimit;
        std::uint32_t seedValue = 0;
        checker.number(seed, given.seed, 0, 0xFFFFFFFFLL, seedValue);
        if (*seed && !checker.failed()) line.platform.seed = seedValue;
        checker.number(stage, given.stage, 1, 8, line.game.startStage);

        std::error_code error;
        if (*dataDir && given.dataDir.empty())
            checker.fail("--data-dir needs a folder name, not an empty one");
        if (*dataDir && !checker.failed()) line.platform.dataDirectory = given.dataDir;
        if (*assets) {
            if (given.assets.empty() || !std::filesystem::is_directory(given.assets, error))
                checker.fail("--assets: no folder " + shown(given.assets));
            else
                line.platform.assetDirectory = given.assets;
        }
        if (*script) {
            if (given.script.empty()) checker.fail("--script needs a file name, not an empty one");
            line.scriptFile = given.script;
        }
        if (*record) {
            if (given.record.empty()) checker.fail("--record needs a file name, not an empty one");
            line.recordFile = given.record;
        }
        if (*autopilot) {
            line.game.autopilot = parseAutopilotSettings(given.autopilot);
            if (!line.game.autopilot)
                checker.fail(
                    "--autopilot takes a list of refill, skill=expert|normal|novice, "
                    "seed=N and hand=stylus|keys|pad (no refill with keys or a pad), "
                    "not " +
                    shown(given.autopilot));
            else if (line.game.autopilot->hand != AutopilotHandKind::Stylus && line.headless)
                checker.fail(
                    "--autopilot hand=keys and hand=pad play through the window's "
                    "controls, not with --headless");
        }
        if (*report) {
            if (given.report.empty()) checker.fail("--report needs a file name, not an empty one");
            line.reportFile = given.report;
            line.game.statistics = true;
        }
    }
};

}  // namespace

CommandLineResult parseCommandLine(int argc, const char* const* argv, CommandLine& commandLine) {
    CommandLineResult result;
    commandLine = CommandLine{};
    auto parser = std::make_unique<Parser>(commandLine);
    try {
        parser->app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        result.output = parser->app.help();
        return result;
    } catch (const CLI::CallForVersion& version) {
        result.output = std::string(version.what()) + "\n";
        return result;
    } catch (const CLI::ParseError& error) {
        result.exitCode = kExitUsage;
        result.error = sentenceFor(error);
        return result;
    }
    Checker checker(result);
    parser->check(commandLine, checker);
    if (checker.failed()) {
        result.exitCode = kExitUsage;
        return result;
    }
    result.run = true;
    return result;
}

std::string helpText() {
    CommandLine ignored;
    Parser parser(ignored);
    return parser.app.help();
}

}  // namespace cindervane
