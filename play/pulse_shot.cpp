// Pulse cannon shots.
#include "play/pulse_shot.h"

namespace cindervane {

PulseShot::PulseShot(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = false;
    setFrameDelay(1);
}

void PulseShot::move() {
    if (!isAlive()) return;
    moveStep();
    if (getX() < 1 || getX() >= kScreenWidth + 1 || getY() < 1 || getY() >= kScreenHeight + 1)
        setAlive(false);
}

}  // namespace cindervane
