// Pulse beams (kinds 10, 26, 27): the enemies' energy bolts of three sizes. They fly straight
// and vanish as soon as their corner leaves the screen.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class PulseBeamShot : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue); dies on hitting.
    explicit PulseBeamShot(std::int32_t kind);

    // The motion step; dead once x leaves 1..240 or y leaves 1..320.
    void move() override;
};

}  // namespace cindervane
