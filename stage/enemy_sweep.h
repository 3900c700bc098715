// The removal of finished enemies from the enemy list, at the end of every play frame.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// The end-of-frame sweep of the enemy list, from its head. When the stage is cleared every
// enemy still alive is destroyed first (no score, no drops). Finished enemies are removed
// and destroyed from the head on; the first enemy that is not finished ends the removals for
// this frame, so enemies behind it wait, finished or not.
void sweepEnemies(FieldState& field);

}  // namespace cindervane
