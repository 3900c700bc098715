// Starting a stage: what the last stage left behind is cleared away and the new stage is
// loaded.
#pragma once

#include "game/game_state.h"

namespace cindervane {

// Destroys the previous stage's pictures, then loads stage n.
void startStage(GameState& state, int stage);

}  // namespace cindervane
