// Pulse beams.
#include "enemies/shots/pulse_beam_shot.h"

namespace cindervane {

PulseBeamShot::PulseBeamShot(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = true;
    frameDelay_ = 1;
}

void PulseBeamShot::move() {
    if (!alive_) return;
    moveStep();
    if (x_ < 1 || x_ > kScreenWidth || y_ < 1 || y_ > kScreenHeight) alive_ = false;
}

}  // namespace cindervane
