// The head-up display of the play screen: the picked-up item's label, the boss warning, the
// speaker switch, the status panel with its bars, score and money, and the outcome of a
// stage (the count to game over, or the stage-clear captions).
#pragma once

#include "platform/draw/bitmap.h"
#include "stage/game_state.h"

namespace cindervane {

// Called by the play frame as its last drawing step, once per Play frame, with the back
// buffer. It only draws: the label and warning timers and the count to game over move on in
// the play frame's own step (advanceHeadUpDisplay), right after this.
void drawHeadUpDisplay(const GameState& state, platform::DeviceContext& target);

}  // namespace cindervane
