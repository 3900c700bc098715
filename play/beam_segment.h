// Hyper beam segments: the head and the body pieces of the beam, laid out above the ship by
// the ship itself every frame it fires, and switched off when the beam ends.
#pragma once

#include "play/projectile.h"

namespace cindervane {

class BeamSegment : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue); never dies on hitting.
    explicit BeamSegment(std::int32_t kind);

    // No movement; a live segment loops its animation.
    void move() override;
};

}  // namespace cindervane
