// Straight shots.
#include "play/straight_shot.h"

namespace cindervane {

StraightShot::StraightShot(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = true;
    setFrameDelay(1);
}

void StraightShot::move() {
    if (!isAlive()) return;
    moveStep();
    if (getX() + width() < 1 || getX() >= kScreenWidth + 1 || getY() + height() < 1 ||
        getY() >= kScreenHeight + 1)
        setAlive(false);
}

}  // namespace cindervane
