// Straight shots: the machine gun rounds, flying at a fixed velocity until they have left
// the screen, and gone at their first hit.
#pragma once

#include "play/projectile.h"

namespace cindervane {

class StraightShot : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue); dies on hitting.
    explicit StraightShot(std::int32_t kind);

    // One motion step; dead once its whole frame is off the screen.
    void move() override;
};

}  // namespace cindervane
