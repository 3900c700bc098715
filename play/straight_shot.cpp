// Straight shots.
#include "play/straight_shot.h"

namespace cindervane {

StraightShot::StraightShot(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = true;
    frameDelay_ = 1;
}

void StraightShot::move() {
    if (!alive_) return;
    moveStep();
    if (x_ + width() < 1 || x_ >= kScreenWidth + 1 || y_ + height() < 1 || y_ >= kScreenHeight + 1)
        alive_ = false;
}

}  // namespace cindervane
