// The two screens drawn over play: the pause screen and the game over screen.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Puts caption i of the eight at (x, y) and draws it keyed.
void drawCaption(const GameState& state, int caption, int x, int y);

// Black, with the pause, resume, "or" and give up captions.
void drawPause(GameState& state);
// The frozen last play frame under the game over, continue, "or" and give up captions.
void drawGameOver(GameState& state);

}  // namespace cindervane
