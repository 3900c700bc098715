// The head-up display of the play screen: the picked-up item's label, the boss warning, the
// speaker switch, the status panel with its bars, score and money, and the outcome of a
// stage (the count to game over, or the stage-clear captions).
#pragma once

#include "game/game_state.h"
#include "platform/draw/bitmap.h"

namespace cindervane {

// Called by the play frame as its last drawing step, once per Play frame, with the back
// buffer. Counts the label and warning timers down and the game over counter up; 75 frames
// after the ship is lost it stops every sound and switches to GameOver.
void drawHeadUpDisplay(GameState& state, platform::DeviceContext& target);

}  // namespace cindervane
