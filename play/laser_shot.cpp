// Laser flashes.
#include "play/laser_shot.h"

namespace cindervane {

LaserShot::LaserShot(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = false;
    setFrameDelay(2);
}

void LaserShot::move() {
    playOnce();
}

}  // namespace cindervane
