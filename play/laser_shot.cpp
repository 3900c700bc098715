// Laser flashes.
#include "play/laser_shot.h"

namespace cindervane {

LaserShot::LaserShot(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = false;
    frameDelay_ = 2;
}

void LaserShot::move() {
    playOnce();
}

}  // namespace cindervane
