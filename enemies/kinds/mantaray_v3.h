// MANTARAYV3 (type 21): the heaviest mantaray, flying the V2's glide with heavier guns:
// larger bolts, a napalm bomb and two missiles slanting outwards.
#pragma once

#include "enemies/kinds/mantaray_v2.h"

namespace cindervane {

class MantarayV3 : public MantarayV2 {
  public:
    static constexpr std::int32_t kType = 21;

    explicit MantarayV3(RandomGenerator& random);
};

}  // namespace cindervane
