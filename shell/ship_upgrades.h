// Carrying the upgrade levels from one stage's ship to the next: the shop works on a copy of
// the levels taken when a stage is cleared and hands it to the ship of the next stage.
#pragma once

#include <cstdint>

#include "stage/game_state.h"

namespace cindervane {

// While the cleared stage's ship still exists: every shop row takes the ship's level in its
// category as its level and base level, the ship's limit as its limit (armour: one below
// the armour scale), and the price of the next level. Nothing happens without a ship.
void captureShipUpgrades(GameState& state);

// After the stage's ship is built: stage 1 gives the starting levels (armour 0, machine gun
// 1, pulse 0, missile 0, laser 0, hyper beam 1, both rates 1), stages 2 to 8 the shop rows'
// levels; then the limits of the stage (armour scale 10; every other limit 3 in stages 1 and
// 2, 6 in 3 and 4, 9 in 5 to 8). Levels are set first, through the ship's own setters, so
// they meet the limits the new ship had before. Other stage numbers change nothing.
void applyShipUpgrades(GameState& state, std::int32_t stage);

}  // namespace cindervane
