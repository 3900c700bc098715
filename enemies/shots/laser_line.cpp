// Laser lines.
#include "enemies/shots/laser_line.h"

namespace cindervane {

LaserLine::LaserLine() {
    setKind(kKind);
    diesOnHit_ = false;
    setFrameDelay(1);
}

void LaserLine::move() {
    if (!isAlive()) return;
    nextFrame();
    setAge(getAge() + 1);
    if (getAge() >= kLifetime) {
        setAlive(false);
        setAge(0);
        setFrameUnchecked(0);
    }
}

}  // namespace cindervane
