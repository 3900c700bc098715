// The choices the command line makes for the game itself.
#pragma once

#include <optional>
#include <vector>

#include "platform/headless_script.h"

namespace cindervane {

// What the command line asks of the game itself.
struct GameOptions {
    // 1..8: after start-up, straight to the intro of this stage of a new game; 0: the logo.
    int startStage = 0;
    // The autopilot plays, with or without the hidden refills.
    bool autopilot = false;
    bool autopilotRefills = false;
    // A replay's high score table, best first: the game starts with it instead of the
    // file's and leaves the file alone, since the table is not the player's.
    std::optional<std::vector<platform::ScriptHighScore>> replayHighScores;
};

}  // namespace cindervane
