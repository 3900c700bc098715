// Stylus and button input: what a tap, a drag or a button does on each screen. These five
// are the only way input reaches the game (the window's, a script's and the autopilot's
// alike); each shows the input to the platform first, so a recording holds all of it.
#pragma once

#include "gamelibrary/key_mapping.h"
#include "stage/game_state.h"

namespace cindervane {

void stylusDown(GameState& state, int x, int y);
void stylusMove(GameState& state, int x, int y);
void stylusUp(GameState& state, int x, int y);
void keyDown(GameState& state, KeyIndex key);
void keyUp(GameState& state, KeyIndex key);

}  // namespace cindervane
