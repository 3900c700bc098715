// The explosion a craft leaves when it is destroyed.
#pragma once

#include "play/effect.h"

namespace cindervane {

class Explosion : public Effect {
  public:
    // Its picture in the effect catalogue.
    static constexpr std::int32_t kKind = 1;

    // Dead, shown frame by frame.
    Explosion();
};

}  // namespace cindervane
