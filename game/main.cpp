// Process entry: reads the command line, picks the desktop or the headless platform and
// runs the game. Nothing thrown gets past here: whatever goes wrong ends in one line.
#include <exception>
#include <iostream>
#include <memory>
#include <sstream>

#include "game/cindervane_game.h"
#include "game/command_line.h"
#include "gamelibrary/game_app.h"
#include "platform/headless_platform.h"
#include "platform/headless_script.h"
#include "platform/instance_lock.h"
#include "platform/printable.h"
#include "platform/program_paths.h"
#include "platform/regular_file.h"
#include "platform/script_recorder.h"
#include "platform/sdl_platform.h"

using namespace cindervane;

namespace {

int complain(const std::string& line, int exitCode) {
    std::cerr << "cindervane: " << line << '\n';
    return exitCode;
}

// Reads the script of a run, with its header; false with one line when it cannot be used.
bool readScript(const std::string& file, std::vector<platform::ScriptEvent>& script,
                platform::ScriptHeader& header) {
    std::vector<std::uint8_t> bytes;
    std::string reason;
    constexpr std::size_t kMostScriptBytes = 64 * 1024 * 1024;
    if (platform::readRegularFile(file, kMostScriptBytes, bytes, reason) !=
        platform::FileRead::Read) {
        complain(platform::printable(file) + ": cannot be read (" + reason + ")", 0);
        return false;
    }
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string error;
    if (!platform::parseScript(in, script, error, &header)) {
        complain(platform::printable(file) + ": " + error, 0);
        return false;
    }
    return true;
}

int run(int argc, char** argv) {
    CommandLine line;
    const CommandLineResult parsed = parseCommandLine(argc, argv, line);
    if (!parsed.run) {
        std::cout << parsed.output;
        if (!parsed.error.empty()) return complain(parsed.error + " (see --help)", parsed.exitCode);
        return parsed.exitCode;
    }

    std::string folderError;
    const auto dataFolder =
        platform::resolveDataDirectory(line.platform.dataDirectory, folderError);
    if (!dataFolder) return complain(folderError, kExitCannotRun);
    line.platform.dataDirectory = *dataFolder;

    if (line.suspendRunning) {
        if (platform::InstanceLock::sendRequest(*dataFolder, "cindervane",
                                                platform::OutsideRequest::Suspend))
            return 0;
        return complain("no running copy answered", kExitCannotRun);
    }

    // A recording's header (its seed, its stage) makes it replay the same game; a command
    // line that asks for another is a mistake.
    std::vector<platform::ScriptEvent> script;
    if (!line.scriptFile.empty()) {
        platform::ScriptHeader header;
        if (!readScript(line.scriptFile, script, header)) return kExitUsage;
        std::string error;
        if (!adoptScriptHeader(header, line.platform, line.game, error))
            return complain(error, kExitUsage);
    }
    std::unique_ptr<platform::PlatformBase> host;
    if (line.headless) {
        host = std::make_unique<platform::HeadlessPlatform>(line.platform, std::move(script));
    } else {
        host = std::make_unique<platform::SdlPlatform>(line.platform);
    }

    if (!line.recordFile.empty()) {
        std::string error;
        auto recorder = platform::ScriptRecorder::open(line.recordFile, error);
        if (!recorder) return complain(error, kExitUsage);
        host->recordTo(std::move(recorder));
    }

    CindervaneGame game(*host, line.game);
    const int exitCode = runApplication(*host, game, [](platform::Platform& p, GameCallbacks& g) {
        return createGameApp(p, static_cast<CindervaneGame&>(g));
    });
    if (host->replayDiverged()) return 1;
    if (!host->scriptOutputsWritten()) return exitCode == 0 ? 3 : exitCode;
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        return complain(platform::printable(error.what()), kExitCannotRun);
    } catch (...) {
        return complain("stopped by an unknown error", kExitCannotRun);
    }
}
