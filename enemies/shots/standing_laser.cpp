// Standing lasers.
#include "enemies/shots/standing_laser.h"

namespace cindervane {

StandingLaser::StandingLaser() {
    setKind(kKind);
    diesOnHit_ = false;
    setFrameDelay(2);
}

void StandingLaser::move() {
    playOnce();
}

}  // namespace cindervane
