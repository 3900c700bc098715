// SCROOPKING (type 37): the larger, faster dasher; it flies the SCROOPBURU's script.
#pragma once

#include "enemies/kinds/scroop_buru.h"

namespace cindervane {

class ScroopKing : public ScroopBuru {
  public:
    static constexpr std::int32_t kType = 37;

    explicit ScroopKing(RandomGenerator& random);
};

}  // namespace cindervane
