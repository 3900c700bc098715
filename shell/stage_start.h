// Starting a stage: what the last stage left behind is cleared away and the new stage is
// loaded.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Destroys the previous ship, enemies and stage pictures, runs the loader of stage n (none
// for a stage outside 1..8, so nothing new is built) and gives the new ship the levels kept
// in the shop.
void startStage(GameState& state, int stage);

}  // namespace cindervane
