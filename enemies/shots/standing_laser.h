// Standing lasers (kind 33): a red column 300 pixels long that stays where it was fired,
// plays its frames once and damages everything it overlaps on every frame of its life.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class StandingLaser : public Projectile {
  public:
    static constexpr std::int32_t kKind = 33;

    // Does not die on hitting; shows each frame twice.
    StandingLaser();

    // No movement: the next frame, and dead at frame 0 after the last one.
    void move() override;
};

}  // namespace cindervane
