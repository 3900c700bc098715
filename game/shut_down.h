// Shutdown, when the window goes away: the high scores are saved and whatever start-up
// made is released.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Saves the high score table and releases what was made, skipping what never was.
void shutDownGame(GameState& state);

}  // namespace cindervane
