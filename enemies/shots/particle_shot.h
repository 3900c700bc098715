// Particle shots (kind 8): the small round shot most enemies fire. It flies straight; an
// aimed one turns once, on its second frame, towards the ship.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class ParticleShot : public Projectile {
  public:
    static constexpr std::int32_t kKind = 8;

    // Dies on hitting.
    ParticleShot();

    // The motion step; an aimed (homing) shot with a target then, on its second frame, takes
    // on each axis the sign of the way to the target's centre (unchanged where the centres
    // are level). Dead once x leaves -240..480 or y leaves -320..640, far off the screen. A
    // shot that turned keeps its turned direction: its gun fires it again as it is.
    void move() override;
};

}  // namespace cindervane
