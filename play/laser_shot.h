// Laser flashes: a 300-pixel column that stands where it was fired, plays its frames once
// and damages everything it overlaps on every frame of its life.
#pragma once

#include "play/projectile.h"

namespace cindervane {

class LaserShot : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue); does not die on hitting, and
    // shows each frame twice.
    explicit LaserShot(std::int32_t kind);

    // No movement: the next frame, and dead at frame 0 after the last one.
    void move() override;
};

}  // namespace cindervane
