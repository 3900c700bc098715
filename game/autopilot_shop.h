// The autopilot's shopping between stages: which upgrade it buys next, on a fixed policy
// a player could follow with the price list in hand.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// The row of the upgrade to buy next with the money and shop rows as they stand, or -1
// when the policy buys nothing more. The policy, in order:
//  1. armour up to a floor that rises with the stage ahead (1 before stage 2, up to 4
//     before the last stages), as hits grow harder;
//  2. then, again and again, the weapon whose next useful level adds the most damage a
//     frame for each coin it costs (a level that adds nothing on its own is bought on the
//     way to the next one that does, when the money covers both);
//  3. with the weapons full or out of reach, more armour, then the cheapest of the hyper
//     beam, the charge and recharge rates and the weapon levels that add no damage.
// It only ever buys: a level is never given back, so nothing is sold below its base.
int nextUpgrade(const GameState& state);

// The damage a frame, in hundredths, of a weapon row at a level: what each of the ship's
// guns of that weapon deals divided by its firing interval, shots that fly aside at half.
std::int64_t weaponDamagePerFrame(int row, int level);

}  // namespace cindervane
