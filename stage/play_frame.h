// One play frame: what the game does 30 times a second while the screen is Play.
#pragma once

#include "platform/draw/bitmap.h"
#include "stage/game_state.h"

namespace cindervane {

// Music and spawn steps, the background scroll, the ship's and every enemy's update, every
// collision with its damage, kills, score, money and drops, the missiles' targets, the
// drawing in its fixed order, the hidden refill and the sweep of finished enemies. Draws into
// target, the back buffer. Allocates nothing: the spawn step takes its enemies from the
// stage's pool (only a row the pool lacks is built then). Frees nothing except through the
// sweep. The shell's runPlayScreen then draws the head-up display over it
// and moves its counters on (advanceHeadUpDisplay).
void runPlayField(GameState& state, platform::DeviceContext& target);

// The counters the head-up display shows, moved on once a Play frame right after it is drawn:
// the picked-up label rises a row and its timer counts down, the boss warning counts down,
// and after the ship is lost the count to game over goes up; on the 76th frame after the loss
// every sound stops and the screen becomes GameOver.
void advanceHeadUpDisplay(GameState& state);

}  // namespace cindervane
