// Standing lasers.
#include "enemies/shots/standing_laser.h"

namespace cindervane {

StandingLaser::StandingLaser() {
    kind_ = kKind;
    diesOnHit_ = false;
    frameDelay_ = 2;
}

void StandingLaser::move() {
    playOnce();
}

}  // namespace cindervane
