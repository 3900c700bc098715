// Laser lines.
#include "enemies/shots/laser_line.h"

namespace cindervane {

LaserLine::LaserLine() {
    kind_ = kKind;
    diesOnHit_ = false;
    frameDelay_ = 1;
}

void LaserLine::move() {
    if (!alive_) return;
    nextFrame();
    if (++age_ >= kLifetime) {
        alive_ = false;
        age_ = 0;
        frame_ = 0;
    }
}

}  // namespace cindervane
