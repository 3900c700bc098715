// Falling shots (kinds 4, 5, 7, 12, 31, 32): the red laser bolts, the missiles and the napalm
// bomb. They fly straight and are gone once their top edge leaves the screen's rows. The
// missiles and the napalm can be shot down: their power is the damage they absorb first.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class FallingShot : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue). A shot with power is shootable,
    // absorbing that much damage before a further hit downs it.
    FallingShot(std::int32_t kind, bool diesOnHit, std::int32_t power);

    // The motion step; dead once y leaves 1..320. Its power is never given back: a missile
    // worn down in one flight starts the next as worn as it was.
    void move() override;
};

}  // namespace cindervane
