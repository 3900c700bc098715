// The spark a projectile shows where it strikes.
#pragma once

#include "play/effect.h"

namespace cindervane {

class HitSpark : public Effect {
  public:
    // Its picture in the effect catalogue.
    static constexpr std::int32_t kKind = 2;

    // Dead, upright, shown frame by frame.
    HitSpark();
};

}  // namespace cindervane
