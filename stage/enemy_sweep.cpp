// The end-of-frame sweep of the enemy list.
#include "stage/enemy_sweep.h"

namespace cindervane {

void sweepEnemies(FieldState& field) {
    bool finished = true;
    ObjectList<Enemy>::Node* node = field.enemies.head();
    while (node) {
        ObjectList<Enemy>::Node* next = node->next;
        Enemy* enemy = node->object.get();
        if (enemy) {
            if (field.stageCleared && enemy->isAlive()) enemy->die();
            if (finished && !enemy->isFinished()) finished = false;
        }
        if (finished) {
            if (enemy && field.ship) field.ship->forgetTarget(*enemy);
            field.enemies.remove(node);
        }
        node = next;
    }
}

}  // namespace cindervane
