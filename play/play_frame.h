// One play frame: what the game does 30 times a second while the screen is Play.
#pragma once

#include "game/game_state.h"
#include "platform/draw/bitmap.h"

namespace cindervane {

// Music and spawn steps, the background scroll, the ship's and every enemy's update, every
// collision with its damage, kills, score, money and drops, the missiles' targets, the
// drawing in its fixed order, the hidden refill, the sweep of finished enemies, the head-up
// display and the outcome (game over 75 frames after the ship is lost, or the stage-clear
// captions). Draws into target, the back buffer. Allocates nothing except through the spawn
// step, and frees nothing except through the sweep.
void runPlayScreen(GameState& state, platform::DeviceContext& target);

// The counters the head-up display shows, moved on once a Play frame right after it is drawn:
// the picked-up label rises a row and its timer counts down, the boss warning counts down,
// and after the ship is lost the count to game over goes up; on the 76th frame after the loss
// every sound stops and the screen becomes GameOver.
void advanceHeadUpDisplay(GameState& state);

}  // namespace cindervane
