// Super lasers.
#include "enemies/shots/super_laser.h"

namespace cindervane {

SuperLaser::SuperLaser() {
    setKind(kKind);
    diesOnHit_ = false;
    setFrameDelay(1);
}

void SuperLaser::move() {
    if (!isAlive() || tickAnimation() != 0) return;
    if (getFrame() < frameCount() - 1) {
        nextFrame();
        return;
    }
    setFrameUnchecked(0);
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        return;
    }
    setAlive(false);
    repeatsLeft_ = kRepeats;
}

}  // namespace cindervane
