// Falling shots.
#include "enemies/shots/falling_shot.h"

namespace cindervane {

FallingShot::FallingShot(std::int32_t kind, bool diesOnHit, std::int32_t power) {
    setKind(kind);
    diesOnHit_ = diesOnHit;
    shootable_ = power > 0;
    toughness_ = power;
    setFrameDelay(1);
}

void FallingShot::move() {
    if (!isAlive()) return;
    moveStep();
    setAge(getAge() + 1);
    if (getY() < 1 || getY() > kScreenHeight) {
        setAlive(false);
        setAge(0);
    }
}

}  // namespace cindervane
