// One frame of the screen machine: the current screen is drawn into the back buffer, which
// is then copied to the window.
#pragma once

#include "platform/platform.h"
#include "stage/game_state.h"

namespace cindervane {

// Called once per frame by the application shell.
void runFrame(GameState& state, platform::Platform& platform);

// One frame of the Play screen into target: the play field's frame, then the head-up display
// drawn over it, then the display's counters moved on and the outcome (game over 75 frames
// after the ship is lost, or the stage-clear captions).
void runPlayScreen(GameState& state, platform::DeviceContext& target);

// Repaints the window from the back buffer.
void paintWindow(const RunResources& run, platform::Platform& platform);

// The animated picture screens and play: counts nothing itself; runFrame has counted the
// frame clock before calling it.
void runPlayFrame(GameState& state);

}  // namespace cindervane
