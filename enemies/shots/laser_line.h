// Laser lines (kind 34): a thin flickering line 300 pixels long that stands where it was
// fired for ten frames, damaging everything it overlaps.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class LaserLine : public Projectile {
  public:
    static constexpr std::int32_t kKind = 34;
    // Updates a line lives.
    static constexpr std::int32_t kLifetime = 10;

    // Does not die on hitting.
    LaserLine();

    // No movement: the next frame at every update, and dead (back at frame 0) after the
    // tenth.
    void move() override;
};

}  // namespace cindervane
