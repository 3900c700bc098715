// Pulse beams.
#include "enemies/shots/pulse_beam_shot.h"

namespace cindervane {

PulseBeamShot::PulseBeamShot(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = true;
    setFrameDelay(1);
}

void PulseBeamShot::move() {
    if (!isAlive()) return;
    moveStep();
    if (getX() < 1 || getX() > kScreenWidth || getY() < 1 || getY() > kScreenHeight)
        setAlive(false);
}

}  // namespace cindervane
