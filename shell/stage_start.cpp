// Starting a stage: the previous ship, enemies and stage pictures go, the stage's own are
// made, and the ship gets the levels bought in the shop.
#include "shell/stage_start.h"

#include "play/make_player_ship.h"
#include "play/player_ship.h"
#include "shell/ship_upgrades.h"

namespace cindervane {

void startStage(GameState& state, int stage) {
    state.ship.reset();
    state.backgroundImage.reset();
    state.introImage.reset();
    state.endImage.reset();
    state.shopImage.reset();
    state.enemies.clear();
    if (stage >= 1 && stage <= 8) {
        state.frameCounter = 0;
        state.gameOverCounter = 0;
        state.stageCleared = false;
        state.playerDown = false;
        makePlayerShip(state, shipVariantForStage(stage), stage);
    }
    applyShipUpgrades(state, stage);
}

}  // namespace cindervane
