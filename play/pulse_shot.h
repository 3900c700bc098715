// Pulse cannon shots: they pass through everything they overlap, damaging it every frame,
// and vanish as soon as their corner leaves the screen.
#pragma once

#include "play/projectile.h"

namespace cindervane {

class PulseShot : public Projectile {
  public:
    // Of the given kind (its picture in the shot catalogue); does not die on hitting.
    explicit PulseShot(std::int32_t kind);

    // One motion step; dead as soon as its top-left corner is off the screen (so its top
    // edge reaching row 0 ends it).
    void move() override;
};

}  // namespace cindervane
