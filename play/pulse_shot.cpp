// Pulse cannon shots.
#include "play/pulse_shot.h"

namespace cindervane {

PulseShot::PulseShot(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = false;
    frameDelay_ = 1;
}

void PulseShot::move() {
    if (!alive_) return;
    moveStep();
    if (x_ < 1 || x_ >= kScreenWidth + 1 || y_ < 1 || y_ >= kScreenHeight + 1) alive_ = false;
}

}  // namespace cindervane
