// One frame of the screen machine: the current screen is drawn into the back buffer, which
// is then copied to the window.
#pragma once

#include "game/game_state.h"
#include "platform/platform.h"

namespace cindervane {

// Called once per frame by the application shell.
void runFrame(GameState& state, platform::Platform& platform);

// The animated picture screens and play: counts nothing itself; runFrame has counted the
// frame clock before calling it.
void runPlayFrame(GameState& state);

}  // namespace cindervane
