// Homing missiles: they fly up and turn toward a target above them, turning their picture
// as they go. They can be shot down: the first hits wear their toughness away.
#pragma once

#include "play/projectile.h"

namespace cindervane {

class HomingMissile : public Projectile {
  public:
    // The ship's missile picture in the shot catalogue.
    static constexpr std::int32_t kKind = 1;

    // Of the given kind; dies on hitting, shootable, toughness 50.
    explicit HomingMissile(std::int32_t kind = kKind);

    // One motion step; then, while homing with a target, the turn toward it; straight up
    // again on its tenth frame; dead once it is off the screen.
    void move() override;

  private:
    void turnTowardTarget();
};

}  // namespace cindervane
