// The end-of-frame sweep of the enemy list.
#include "stage/enemy_sweep.h"

namespace cindervane {

void sweepEnemies(GameState& state) {
    bool finished = true;
    ObjectList<Enemy>::Node* node = state.enemies.head();
    while (node) {
        ObjectList<Enemy>::Node* next = node->next;
        Enemy* enemy = node->object.get();
        if (enemy) {
            if (state.stageCleared && enemy->isAlive()) {
                enemy->die();
                enemy->setHp(0);
            }
            if (finished && !enemy->isFinished()) finished = false;
        }
        if (finished) {
            if (enemy && state.ship) state.ship->forgetTarget(*enemy);
            state.enemies.remove(node);
        }
        node = next;
    }
}

}  // namespace cindervane
