// The choices the command line makes for the game itself.
#pragma once

namespace cindervane {

// What the command line asks of the game itself.
struct GameOptions {
    // 1..8: after start-up, straight to the intro of this stage of a new game; 0: the logo.
    int startStage = 0;
    // The autopilot plays, with or without the hidden refills.
    bool autopilot = false;
    bool autopilotRefills = false;
};

}  // namespace cindervane
