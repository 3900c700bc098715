// A wing of the stage 3 boss: a separately destructible part the body carries on either
// side, with its own hit points and its ten guns, which the body fires in its volleys.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss_part.h"

namespace cindervane {

class PoseidonV2Wing : public BossPart {
  public:
    enum class Side { Left, Right };

    // The pictures of the wings in the part catalogue.
    static constexpr std::int32_t kLeftKind = 6;
    static constexpr std::int32_t kRightKind = 8;
    static constexpr std::int32_t kFullHp = 150000;
    static constexpr std::int32_t kWidth = 208;
    static constexpr std::int32_t kHeight = 110;

    // Alive, invulnerable until the body arrives, standing still (the body places it), drawn
    // above the body, with its guns laid out for its side.
    explicit PoseidonV2Wing(Side side);
};

}  // namespace cindervane
