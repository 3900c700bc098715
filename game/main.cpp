// Process entry: reads the command line, picks the desktop or the headless platform and
// runs the game.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <memory>

#include "game/cindervane_game.h"
#include "gamelibrary/game_app.h"
#include "platform/headless_platform.h"
#include "platform/headless_script.h"
#include "platform/instance_lock.h"
#include "platform/sdl_platform.h"

using namespace cindervane;

int main(int argc, char** argv) {
    CLI::App cli{"Cindervane: a vertical shoot-'em-up for a 240 x 320 screen"};
    platform::PlatformOptions options;
    bool headless = false;
    bool suspendRunning = false;
    std::string scriptFile;
    std::string assets;
    std::string dataDir;
    long long frames = 0;
    std::uint32_t seed = 0;
    GameOptions gameOptions;
    std::string autopilot;
    std::string recordFile;

    cli.add_flag("--headless", headless,
                 "Run without a window or sound on virtual time (tests, scripted runs)");
    auto* framesOption =
        cli.add_option("--frames", frames, "Close the game the normal way after N frames")
            ->check(CLI::PositiveNumber);
    cli.add_option("--script", scriptFile,
                   "Input script: run it headless, or watch a replay in the window")
        ->check(CLI::ExistingFile);
    cli.add_option("--record", recordFile,
                   "Write the session to FILE as a script that replays and checks it");
    auto* assetsOption = cli.add_option("--assets", assets,
                                        "Folder of the pictures and sounds (default: "
                                        "beside the program)")
                             ->check(CLI::ExistingDirectory);
    auto* dataOption =
        cli.add_option("--data-dir", dataDir,
                       "Folder of the high score file (default: ~/.local/share/cindervane)");
    auto* seedOption = cli.add_option("--seed", seed, "Seed of the random generator");
    cli.add_option("--stage", gameOptions.startStage,
                   "Start a new game at the intro of stage N (1 to 8) with the starting ship")
        ->check(CLI::Range(1, 8));
    auto* autopilotOption =
        cli.add_option("--autopilot", autopilot,
                       "Let the autopilot play (tests, demos); --autopilot=refill also lets it "
                       "refill the ship through the hidden corner")
            ->expected(0, 1)
            ->check(CLI::IsMember({"", "refill"}));
    cli.add_option("--scale", options.scale, "Window scale factor (default: largest that fits)")
        ->check(CLI::Range(1, 16));
    cli.add_flag("--fullscreen", options.fullScreen, "Start full screen (F11 toggles)");
    cli.add_flag("--no-sound", options.noSound,
                 "Play in silence (sounds still keep their time, so the game runs the same)");
    cli.add_flag("--no-wave-device", options.noWaveDevice,
                 "Report no sound devices at all (tests the game's failure path)");
    cli.add_flag("--suspend-running", suspendRunning, "Ask the running copy to suspend, then exit");
    cli.set_version_flag("--version", std::string(CINDERVANE_VERSION));
    CLI11_PARSE(cli, argc, argv);

    if (suspendRunning) {
        if (platform::InstanceLock::sendRequest(platform::InstanceLock::defaultFolder(),
                                                "cindervane", platform::OutsideRequest::Suspend))
            return 0;
        std::cerr << "cindervane: no running copy answered\n";
        return 1;
    }
    if (*framesOption) options.frameLimit = frames;
    if (*assetsOption) options.assetDirectory = assets;
    if (*dataOption) options.dataDirectory = dataDir;
    if (*seedOption) options.seed = seed;
    if (*autopilotOption) {
        gameOptions.autopilot = true;
        gameOptions.autopilotRefills = autopilot == "refill";
    }

    std::vector<platform::ScriptEvent> script;
    if (!scriptFile.empty()) {
        std::ifstream in(scriptFile);
        std::string error;
        platform::ScriptHeader header;
        if (!in || !platform::parseScript(in, script, error, &header)) {
            std::cerr << "cindervane: " << scriptFile << ": " << (in ? error : "cannot be read")
                      << '\n';
            return 2;
        }
        if (!adoptScriptHeader(header, options, gameOptions, error)) {
            std::cerr << "cindervane: " << error << '\n';
            return 2;
        }
    }
    std::unique_ptr<platform::PlatformBase> host;
    if (headless) {
        host = std::make_unique<platform::HeadlessPlatform>(options, std::move(script));
    } else {
        host = std::make_unique<platform::SdlPlatform>(options, std::move(script));
    }

    if (!recordFile.empty()) {
        std::string error;
        auto recorder = platform::ScriptRecorder::open(recordFile, error);
        if (!recorder) {
            std::cerr << "cindervane: " << error << '\n';
            return 2;
        }
        host->recordTo(std::move(recorder));
    }

    CindervaneGame game(*host, gameOptions);
    const int exitCode = runApplication(*host, game, [](platform::Platform& p, GameCallbacks& g) {
        return createGameApp(p, static_cast<CindervaneGame&>(g));
    });
    if (host->replayDiverged()) return 1;
    if (!host->scriptOutputsWritten()) return exitCode == 0 ? 3 : exitCode;
    return exitCode;
}
