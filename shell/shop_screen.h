// The upgrade shop between stages: eight categories, each with its level, a buy and a
// give-back button and the price of the next level.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

void drawShop(GameState& state);
// A tap on the shop screen.
void shopTap(GameState& state, int x, int y);

}  // namespace cindervane
