// Building the ship a stage is flown with: the variant's ship, its pictures found in the
// catalogues, placed at the bottom of the screen.
#pragma once

#include <cstdint>

#include "play/ship_variants.h"
#include "stage/game_state.h"

namespace cindervane {

// Replaces the state's ship with a new one of the variant, resolves the pictures of its body,
// aura, shots, sparks, beam segments and explosion, and places it at x 90 with its bottom on
// the panel, still, level, with both speeds and caps 8. Every picture that is not found is a
// fatal error in the stage's own words ("Error loading Ship Pointer"; the first stage says
// "Team" where the others say "Enemy" in the messages of shots and explosion); building goes
// on, and the actor without its picture is never drawn. True when every picture was found.
bool makePlayerShip(GameState& state, ShipVariant variant, std::int32_t stage);

}  // namespace cindervane
