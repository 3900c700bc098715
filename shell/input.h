// Stylus and button input: what a tap, a drag or a button does on each screen.
#pragma once

#include "game/game_state.h"
#include "gamelibrary/key_mapping.h"

namespace cindervane {

void stylusDown(GameState& state, int x, int y);
void stylusMove(GameState& state, int x, int y);
void stylusUp(GameState& state, int x, int y);
void keyDown(GameState& state, KeyIndex key);
void keyUp(GameState& state, KeyIndex key);

}  // namespace cindervane
