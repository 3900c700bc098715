// Super lasers.
#include "enemies/shots/super_laser.h"

namespace cindervane {

SuperLaser::SuperLaser() {
    kind_ = kKind;
    diesOnHit_ = false;
    frameDelay_ = 1;
}

void SuperLaser::move() {
    if (!alive_ || tickAnimation() != 0) return;
    if (frame_ < frameCount() - 1) {
        nextFrame();
        return;
    }
    frame_ = 0;
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        return;
    }
    alive_ = false;
    repeatsLeft_ = kRepeats;
}

}  // namespace cindervane
