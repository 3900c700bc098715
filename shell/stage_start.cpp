// Starting a stage.
#include "shell/stage_start.h"

namespace cindervane {

void startStage(GameState& state, int) {
    state.backgroundImage.reset();
    state.introImage.reset();
    state.endImage.reset();
    state.shopImage.reset();
    state.playerDown = false;
    state.stageCleared = false;
}

}  // namespace cindervane
