// Falling shots.
#include "enemies/shots/falling_shot.h"

namespace cindervane {

FallingShot::FallingShot(std::int32_t kind, bool diesOnHit, std::int32_t power) {
    kind_ = kind;
    diesOnHit_ = diesOnHit;
    shootable_ = power > 0;
    toughness_ = power;
    frameDelay_ = 1;
}

void FallingShot::move() {
    if (!alive_) return;
    moveStep();
    ++age_;
    if (y_ < 1 || y_ > kScreenHeight) {
        alive_ = false;
        age_ = 0;
    }
}

}  // namespace cindervane
