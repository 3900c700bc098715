// Start-up, once the window exists: everything the whole run needs is made and loaded here.
#pragma once

#include "platform/platform.h"
#include "stage/game_state.h"

namespace cindervane {

// Makes the back buffer, lists, high score table, fonts, brushes, the always-present
// pictures, every sprite sheet and the sound clips, and chooses the first screen. Every
// asset that cannot be loaded shows its own message and start-up goes on.
void startUpGame(GameState& state, platform::Platform& platform);

}  // namespace cindervane
